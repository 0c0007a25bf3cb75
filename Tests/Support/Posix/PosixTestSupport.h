// POSIX helpers for tests: modes, the umask, and running part of a test in a
// child process, as an ordinary user where the tests run as the superuser
// (who is not stopped by permission bits).
#pragma once

#include <filesystem>
#include <functional>
#include <sys/stat.h>
#include <sys/types.h>

/** The user (and group) an ordinary-user part runs as when the tests run as the superuser. */
inline constexpr uid_t OrdinaryUserId = 65534;

bool IsSuperuser();
/** Takes the ids of OrdinaryUserId, supplementary groups dropped; false when it cannot. */
bool TakeOrdinaryUserIds();

/** The permission bits of a path, set-id and sticky bits included; links are not followed. */
mode_t ModeOf(const std::filesystem::path& Path);
struct stat StatOf(const std::filesystem::path& Path);
void SetMode(const std::filesystem::path& Path, mode_t Mode);
/** Sets the last change of Path to SecondsAgo before now. */
void SetAge(const std::filesystem::path& Path, int SecondsAgo);

/** Runs Body in a forked child and fails the test when a check in it failed or it did not end normally. */
void RunInChildProcess(const std::function<void()>& Body);

/**
 * Runs Body as an ordinary user: as the superuser in a child process that
 * takes the ids of OrdinaryUserId first, otherwise in this process.
 */
void RunAsOrdinaryUser(const std::function<void()>& Body);

/** Makes Path belong to the user RunAsOrdinaryUser runs as (nothing to do unless superuser). */
void GiveToOrdinaryUser(const std::filesystem::path& Path);

class FScopedUmask
{
public:
	explicit FScopedUmask(mode_t Mask) : Saved(::umask(Mask)) {}
	~FScopedUmask() { ::umask(Saved); }
	FScopedUmask(const FScopedUmask&) = delete;
	FScopedUmask& operator=(const FScopedUmask&) = delete;

private:
	mode_t Saved;
};
