// Throughput of encodeMessage and decodeMessage on texts of 1 kB, 100 kB and 10 MB.

#include <benchmark/benchmark.h>

#include <string>

#include "codec/MessageCodec.h"

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
BENCHMARK(BM_Decode)->Arg(1 << 10)->Arg(100 << 10)->Arg(10 << 20)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
