// Throughput of encodeMessage and decodeMessage on texts of 1 kB, 100 kB and 10 MB,
// and of a lean one-pass encoder as the yardstick for encodeMessage: same draws,
// same reordering of a 26-letter table before every block, same four outputs, but
// a table of plain letters and no refusal checks or table-entry checks.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <string>

#include "codec/MessageCodec.h"
#include "platform/base/Shuffle.h"
#include "platform/base/Text.h"

namespace {

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

fw::Array<std::string> Alphabet() {
    fw::Array<std::string> letters(25);
    for (int i = 0; i <= 25; ++i) {
        letters(i) = std::string(1, static_cast<char>('A' + i));
    }
    return letters;
}

void BM_Encode(benchmark::State& state) {
    const std::string message = Message(static_cast<std::size_t>(state.range(0)));
    fw::Random random;
    fw::Array<std::string> letters = Alphabet();
    for (auto _ : state) {
        EncodeOutcome out = encodeMessage(message, random, letters);
        benchmark::DoNotOptimize(out);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(message.size()));
}

struct LeanOutputs {
    std::string stage1, stage2, stage3, code;
};

// One pass forward builds stages 1 and 2, one pass backward stage 3 and the code.
LeanOutputs LeanEncode(std::string_view message, fw::Random& random,
                       std::array<char, 26>& letters) {
    const std::string upper = fw::Uppercase(message);
    const std::size_t padding = static_cast<std::size_t>(std::max(0, 10 - fw::Len(upper)));
    const std::string padded = upper + std::string(padding, ' ');
    auto length = [](char lead) {
        const auto byte = static_cast<unsigned char>(lead);
        return byte < 0x80 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
    };
    auto stage2 = [](char c) { return c == ' ' ? '_' : c == '.' ? '-' : c; };
    fw::ShuffleEngine engine = fw::DefaultShuffleEngine();
    LeanOutputs out;
    out.stage1.reserve(padded.size() * 5 / 2 + 32);
    out.stage2.reserve(padded.size() * 5 / 2 + 32);
    std::size_t taken = 0;
    for (bool first = true;; first = false) {
        const int gap = random.InRange(1, 9);
        const int count = random.InRange(1, 9);
        std::size_t at = taken;
        for (int k = first ? gap : gap - 1; k > 0 && at < padded.size(); --k) {
            at += length(padded[at]);
        }
        if (at >= padded.size()) {
            break;
        }
        for (; taken < at; ++taken) {
            out.stage1.push_back(padded[taken]);
            out.stage2.push_back(stage2(padded[taken]));
        }
        for (std::size_t i = letters.size(); i > 1; --i) {
            std::swap(letters[i - 1], letters[engine.Below(i)]);
        }
        out.stage1.push_back(static_cast<char>('0' + count));
        out.stage1.append(letters.data(), static_cast<std::size_t>(count));
        out.stage2.push_back(static_cast<char>('0' + count));
        out.stage2.append(letters.data(), static_cast<std::size_t>(count));
    }
    for (; taken < padded.size(); ++taken) {
        out.stage1.push_back(padded[taken]);
        out.stage2.push_back(stage2(padded[taken]));
    }
    fw::DefaultShuffleEngine() = engine;
    const std::string& s2 = out.stage2;
    out.stage3.reserve(s2.size());
    out.code.reserve(s2.size() + s2.size() / 5 + 1);
    int inGroup = 0;
    for (std::size_t end = s2.size(); end > 0;) {
        std::size_t begin = end - 1;
        while (begin > 0 && (static_cast<unsigned char>(s2[begin]) & 0xC0) == 0x80) {
            --begin;
        }
        out.stage3.append(s2, begin, end - begin);
        out.code.append(s2, begin, end - begin);
        if (++inGroup == 5) {
            out.code.push_back(' ');
            inGroup = 0;
        }
        end = begin;
    }
    if (inGroup > 0) {
        out.code.push_back(' ');
    }
    return out;
}

void BM_LeanEncode(benchmark::State& state) {
    const std::string message = Message(static_cast<std::size_t>(state.range(0)));
    fw::Random random;
    std::array<char, 26> letters{};
    for (std::size_t i = 0; i < letters.size(); ++i) {
        letters[i] = static_cast<char>('A' + i);
    }
    for (auto _ : state) {
        LeanOutputs out = LeanEncode(message, random, letters);
        benchmark::DoNotOptimize(out);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(message.size()));
}

void BM_Decode(benchmark::State& state) {
    fw::Random random;
    fw::Array<std::string> letters = Alphabet();
    const std::string code =
        encodeMessage(Message(static_cast<std::size_t>(state.range(0))), random, letters).code;
    for (auto _ : state) {
        DecodeOutcome out = decodeMessage(code);
        benchmark::DoNotOptimize(out);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(code.size()));
}

}  // namespace

BENCHMARK(BM_Encode)->Arg(1 << 10)->Arg(100 << 10)->Arg(10 << 20)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LeanEncode)->Arg(10 << 20)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Decode)->Arg(1 << 10)->Arg(100 << 10)->Arg(10 << 20)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
