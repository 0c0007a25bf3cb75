// text-box-bench: the cost of one key press in the one-line text box, for
// texts of 10 to 10 million characters. Each key is followed by a paint of
// the box, as the editor paints after every event; the cost must not grow
// with the text's length.
//
//   text-box-bench [Google Benchmark flags]
#include "Framework/Application/SlateApplication.h"
#include "Rendering/SlateSurface.h"
#include "Widgets/Input/SEditableTextBox.h"
#include "Widgets/SWindow.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <map>
#include <utility>
#include <string>

namespace
{
	/** The box's width on the surface, brackets included, as in the settings window. */
	constexpr int32 BoxColumns = 15;

	/** A name of Length characters mixing ASCII, accented and double-width ones, built once per length. */
	const FString& GetName(int64 Length)
	{
		static std::map<int64, FString> Names;
		FString& Name = Names[Length];
		if (Name.Len() != Length)
		{
			const std::u16string Pattern = u"Orvek HMD-2 J\u00FCrgen \u6587\u6863 ";
			std::u16string Text;
			Text.reserve(static_cast<SIZE_T>(Length));
			while (static_cast<int64>(Text.size()) < Length)
			{
				Text.append(Pattern, 0, std::min(Pattern.size(), static_cast<SIZE_T>(Length) - Text.size()));
			}
			Name = FString(std::move(Text));
		}
		return Name;
	}

	/** A focused box holding a name of the benchmark's length, cursor at its end, painted once. */
	class FFocusedBox
	{
	public:
		explicit FFocusedBox(int64 Length)
			: Surface(BoxColumns, 1)
			, Geometry(FVector2D(), FCellMetrics::ToUnits(BoxColumns, 1))
		{
			FSlateApplication::Create();
			Box = SNew(SEditableTextBox).Text(FText::FromString(GetName(Length)));
			FSlateApplication::Get().AddWindow(SNew(SWindow)[Box.ToSharedRef()]);
			Paint();
		}
		~FFocusedBox()
		{
			Box.Reset();
			FSlateApplication::Shutdown();
		}

		void Paint()
		{
			Box->Paint(Geometry, Surface);
			benchmark::DoNotOptimize(Surface.GetCellData(1, 0));
		}
		void Press(const FKey& Key)
		{
			Box->OnKeyDown(Geometry, FKeyEvent(Key));
			Paint();
		}
		void Type(char32_t Character)
		{
			Box->OnKeyChar(Geometry, FCharacterEvent(Character));
			Paint();
		}

	private:
		TSharedPtr<SEditableTextBox> Box;
		FSlateSurface Surface;
		FGeometry Geometry;
	};

	void AtTheEnd(FFocusedBox& /*Box*/)
	{
	}

	void AtTheStart(FFocusedBox& Box)
	{
		// The first edit away from the end moves the free room of the text there, once.
		Box.Press(EKeys::Home);
		Box.Type(U'x');
		Box.Press(EKeys::BackSpace);
	}

	void TypeAndBackSpace(FFocusedBox& Box)
	{
		Box.Type(U'\u6587');
		Box.Press(EKeys::BackSpace);
	}

	void LeftAndRight(FFocusedBox& Box)
	{
		Box.Press(EKeys::Left);
		Box.Press(EKeys::Right);
	}

	void PaintOnly(FFocusedBox& Box)
	{
		Box.Paint();
	}

	/**
	 * Times Keys, which press KeyCount keys (each with its paint), in a box
	 * holding a name of the benchmark's length with the cursor placed by
	 * Place. The per_key column is the time of one key press.
	 */
	void TimeKeys(benchmark::State& State, void (*Place)(FFocusedBox&), void (*Keys)(FFocusedBox&), int32 KeyCount)
	{
		FFocusedBox Box(State.range(0));
		Place(Box);
		for (auto _ : State)
		{
			Keys(Box);
		}
		State.counters["per_key"] = benchmark::Counter(static_cast<double>(KeyCount), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
	}

	void TextLengths(benchmark::internal::Benchmark* Bench)
	{
		Bench->Arg(10)->Arg(10'000)->Arg(1'000'000)->Arg(10'000'000)->Unit(benchmark::kNanosecond);
	}
}

BENCHMARK_CAPTURE(TimeKeys, TypeAndBackSpaceAtTheEnd, AtTheEnd, TypeAndBackSpace, 2)->Apply(TextLengths);
BENCHMARK_CAPTURE(TimeKeys, TypeAndBackSpaceAtTheStart, AtTheStart, TypeAndBackSpace, 2)->Apply(TextLengths);
BENCHMARK_CAPTURE(TimeKeys, LeftAndRightAtTheEnd, AtTheEnd, LeftAndRight, 2)->Apply(TextLengths);
BENCHMARK_CAPTURE(TimeKeys, PaintAtTheEnd, AtTheEnd, PaintOnly, 1)->Apply(TextLengths);

BENCHMARK_MAIN();
