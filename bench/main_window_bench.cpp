// The main window's Encode and Decode handlers on one-line messages of 100 kB and
// 1 MB, on the real window (run with QT_QPA_PLATFORM=offscreen). Each iteration
// times what the user waits for: the handler, then the paint of its result that
// the event loop does next. Beside it, a bare plain-text area of the same size
// is given the same result and painted; "ratio" is the window's time over that
// floor, "handler_ms" the handler alone. Each runs with EF1's spell checking off
// (spelling:0) and on (spelling:1); with it on, the marks of the text on screen
// are part of what is timed. BM_Keystroke times one character typed at the end
// of a one-paragraph text of 1 MB, with its repaint and, when on, its marks.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "app/Startup.h"
#include "codec/MessageCodec.h"
#include "main_window/Window1.h"
#include "platform/Desktop.h"
#include "platform/Runtime.h"
#include "platform/print/Graphics.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

// No person answers here; a box would mean the benchmark went wrong.
class SilentDesktop final : public fw::Desktop {
public:
    void MsgBox(const std::string& text) override {
        std::fprintf(stderr, "box: %s\n", text.c_str());
    }
    Button ShowMessageDialog(const fw::MessageDialog&) override { return Button::Cancel; }
    void Beep() override {}
    void ShowURL(const std::string&) override {}
    std::unique_ptr<fw::Graphics> OpenPrinterDialog(const fw::PrinterSetup&) override {
        return nullptr;
    }
};

std::string Message(std::size_t bytes) {
    const std::string sentence =
        "Meet me at the old mill at dawn. Bring the map_ and the lamp-oil. ";
    std::string text;
    text.reserve(bytes + sentence.size());
    while (text.size() < bytes) {
        text += sentence;
    }
    text.resize(bytes);
    return text;
}

// Runs what the event loop does next: paints, and the spelling marks that a
// change schedules right after it.
void Flush() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A plain-text area like EF1: same size, wrapped at its width, vertical bar.
class BareTextArea {
public:
    BareTextArea() {
        edit_.resize(260, 215);
        edit_.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        edit_.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        edit_.setLineWrapMode(QPlainTextEdit::WidgetWidth);
        edit_.show();
        Flush();
    }
    // Seconds to set the text and paint it.
    double SetAndPaint(const std::string& utf8) {
        edit_.clear();
        Flush();
        const QString text = QString::fromStdString(utf8);
        const auto start = Clock::now();
        edit_.setPlainText(text);
        edit_.repaint();
        Flush();
        return Seconds(Clock::now() - start);
    }

private:
    QPlainTextEdit edit_;
};

BareTextArea& Floor() {
    // Never destroyed: a widget must not outlive the application object, which
    // main() deletes before static destruction.
    static auto* area = new BareTextArea;
    return *area;
}

// The main window, with EF1's spell checking as the benchmark's second
// argument asks.
std::shared_ptr<Window1> MainWindow(const benchmark::State& state) {
    auto window = Window1::Instance();
    window->EF1()->SetProperty("AutomaticallyCheckSpelling", state.range(1) != 0);
    Flush();
    return window;
}

template <bool kEncode>
void BM_Action(benchmark::State& state) {
    const auto window = MainWindow(state);
    const auto ef1 = window->EF1();
    const std::string message = Message(static_cast<std::size_t>(state.range(0)));
    double handler = 0;
    double floor = 0;
    double total = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::string input = message;
        if constexpr (!kEncode) {
            ef1->Text(message);
            window->MyEncode_Action(*window->MyEncode());
            input = ef1->Text();
        }
        ef1->Text(input);
        Flush();
        state.ResumeTiming();

        const auto start = Clock::now();
        if constexpr (kEncode) {
            window->MyEncode_Action(*window->MyEncode());
        } else {
            window->MyDecode_Action(*window->MyDecode());
        }
        const auto handled = Clock::now();
        Flush();  // the paint of the result, as the event loop does it next
        const auto painted = Clock::now();

        state.PauseTiming();
        handler += Seconds(handled - start);
        total += Seconds(painted - start);
        floor += Floor().SetAndPaint(ef1->Text());
        state.ResumeTiming();
    }
    const auto n = static_cast<double>(state.iterations());
    state.counters["handler_ms"] = handler / n * 1e3;
    state.counters["floor_ms"] = floor / n * 1e3;
    state.counters["ratio"] = total / floor;
    state.counters["result_kB"] = static_cast<double>(ef1->Text().size()) / 1024;
}

void BM_Encode(benchmark::State& state) {
    BM_Action<true>(state);
}
void BM_Decode(benchmark::State& state) {
    BM_Action<false>(state);
}

void BM_Keystroke(benchmark::State& state) {
    const auto window = MainWindow(state);
    const auto ef1 = window->EF1();
    const std::string message = Message(static_cast<std::size_t>(state.range(0)));
    ef1->Text(message);
    ef1->SelStart(static_cast<int>(message.size()));
    Flush();
    QWidget* editor = ef1->Widget();
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_E, Qt::NoModifier, QStringLiteral("e"));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_E, Qt::NoModifier, QStringLiteral("e"));
        QApplication::sendEvent(editor, &press);
        QApplication::sendEvent(editor, &release);
        Flush();
    }
    // Marked words on screen after the last keystroke: the checking did run.
    state.counters["marks"] =
        static_cast<double>(qobject_cast<QPlainTextEdit*>(editor)->extraSelections().size());
    ef1->Text("");
    Flush();
}

void Arguments(benchmark::internal::Benchmark* b, std::initializer_list<int> sizes) {
    b->ArgNames({"bytes", "spelling"})->Unit(benchmark::kMillisecond)->UseRealTime();
    for (const int spelling : {0, 1}) {
        for (const int size : sizes) {
            b->Args({size, spelling});
        }
    }
}

}  // namespace

BENCHMARK(BM_Encode)->Apply([](auto* b) { Arguments(b, {100 << 10, 1 << 20}); });
BENCHMARK(BM_Decode)->Apply([](auto* b) { Arguments(b, {100 << 10, 1 << 20}); });
BENCHMARK(BM_Keystroke)->Apply([](auto* b) { Arguments(b, {1 << 20}); });

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // The window writes its position on closing; keep that out of the user's folder.
    std::string folder =
        (std::filesystem::temp_directory_path() / "tessarook-bench-XXXXXX").string();
    if (mkdtemp(folder.data()) == nullptr) {
        return 1;
    }
    setenv("XDG_CONFIG_HOME", folder.c_str(), 1);

    fw::RuntimeInit(argc, argv);
    fw::SetDesktop(std::make_shared<SilentDesktop>());
    initialize();
    Main();
    Flush();  // the application's Open event

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    finalize();
    fw::SetDesktop(nullptr);
    std::filesystem::remove_all(folder);
    return fw::RuntimeExit();
}
