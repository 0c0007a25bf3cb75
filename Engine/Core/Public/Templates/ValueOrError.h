// TValueOrError: what an operation that can fail gives back, either its value
// or the error that stopped it, never both. The project's own code reports
// every failure this way, the error being the sentence for the user (FString
// in the engine, UTF-8 std::string in the editor host) or a struct where the
// caller needs more than the text.
//
//     TValueOrError<int32, FString> Parse(...);
//     return MakeValue(42);
//     return MakeError(TEXT("not a number"));
//
// TValueOrError<void, ErrorType> is the form for operations with no value.
#pragma once

#include "CoreTypes.h"
#include "Misc/AssertionMacros.h"

#include <optional>
#include <type_traits>
#include <utility>
#include <variant>

/** What MakeValue gives: converts to any TValueOrError whose value type can be made from it. */
template <typename ValueType>
struct TValueOrErrorValueProxy
{
	ValueType Value;
};

template <>
struct TValueOrErrorValueProxy<void>
{
};

/** What MakeError gives: converts to any TValueOrError whose error type can be made from it. */
template <typename ErrorType>
struct TValueOrErrorErrorProxy
{
	ErrorType Error;
};

template <typename ValueType>
[[nodiscard]] TValueOrErrorValueProxy<std::decay_t<ValueType>> MakeValue(ValueType&& Value)
{
	return TValueOrErrorValueProxy<std::decay_t<ValueType>>{std::forward<ValueType>(Value)};
}

[[nodiscard]] inline TValueOrErrorValueProxy<void> MakeValue()
{
	return {};
}

template <typename ErrorType>
[[nodiscard]] TValueOrErrorErrorProxy<std::decay_t<ErrorType>> MakeError(ErrorType&& Error)
{
	return TValueOrErrorErrorProxy<std::decay_t<ErrorType>>{std::forward<ErrorType>(Error)};
}

template <typename ValueType, typename ErrorType>
class [[nodiscard]] TValueOrError
{
public:
	template <typename FromType>
	TValueOrError(TValueOrErrorValueProxy<FromType>&& Proxy) : State(std::in_place_index<0>, std::move(Proxy.Value))
	{
	}

	template <typename FromType>
	TValueOrError(TValueOrErrorErrorProxy<FromType>&& Proxy) : State(std::in_place_index<1>, std::move(Proxy.Error))
	{
	}

	bool HasValue() const { return State.index() == 0; }
	bool HasError() const { return State.index() == 1; }

	/** The value; only when there is one. */
	ValueType& GetValue()
	{
		check(HasValue());
		return std::get<0>(State);
	}
	const ValueType& GetValue() const
	{
		check(HasValue());
		return std::get<0>(State);
	}
	/** Moves the value out; only when there is one. */
	ValueType StealValue()
	{
		check(HasValue());
		return std::move(std::get<0>(State));
	}

	/** The error; only when there is one. */
	ErrorType& GetError()
	{
		check(HasError());
		return std::get<1>(State);
	}
	const ErrorType& GetError() const
	{
		check(HasError());
		return std::get<1>(State);
	}
	/** Moves the error out, to hand it on; only when there is one. */
	ErrorType StealError()
	{
		check(HasError());
		return std::move(std::get<1>(State));
	}

private:
	std::variant<ValueType, ErrorType> State;
};

template <typename ErrorType>
class [[nodiscard]] TValueOrError<void, ErrorType>
{
public:
	TValueOrError(TValueOrErrorValueProxy<void>&&)
	{
	}

	template <typename FromType>
	TValueOrError(TValueOrErrorErrorProxy<FromType>&& Proxy) : Error(std::in_place, std::move(Proxy.Error))
	{
	}

	bool HasValue() const { return !Error.has_value(); }
	bool HasError() const { return Error.has_value(); }

	const ErrorType& GetError() const
	{
		check(HasError());
		return *Error;
	}
	ErrorType& GetError()
	{
		check(HasError());
		return *Error;
	}
	ErrorType StealError()
	{
		check(HasError());
		return std::move(*Error);
	}

private:
	std::optional<ErrorType> Error;
};
