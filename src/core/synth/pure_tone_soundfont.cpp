#include "pure_tone_soundfont.h"

#include <theory/instruments.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace Core {

namespace {

// One cycle of 100 samples at 44,000 Hz is exactly A4 = 440 Hz; the loop
// holds whole cycles, so it repeats without a seam.
constexpr int kSamplesPerCycle = 100;
constexpr int kCycles = 20;
constexpr int kSampleCount = kSamplesPerCycle * kCycles;
constexpr int kSampleRate = kSamplesPerCycle * 440;
constexpr int kRootKey = 69;
constexpr int kPadding = 46; // zero samples the format asks for after each sample
constexpr double kAmplitude = 0.35 * 32767;

// Brown noise: two seconds, looped, at the same sample rate. Its RMS is half
// the sine's (6 dB below a note played at the same velocity), so it masks the
// last note's pitch without drowning the next one.
constexpr int kNoiseSampleCount = 2 * kSampleRate;
constexpr int kNoiseStart = kSampleCount + kPadding;
constexpr int kNoiseRootKey = 60;
constexpr double kNoiseRms = 0.5 * kAmplitude / M_SQRT2;
// The integrator leaks above about 30 Hz: true brown noise would wander
// into a subsonic drift that takes level and masks nothing.
constexpr double kNoiseCornerHertz = 30.0;

// SoundFont generator numbers and values.
constexpr std::uint16_t kGenAttackVolEnv = 34;
constexpr std::uint16_t kGenReleaseVolEnv = 38;
constexpr std::uint16_t kGenInstrument = 41;
constexpr std::uint16_t kGenSampleId = 53;
constexpr std::uint16_t kGenSampleModes = 54;
constexpr std::uint16_t kGenScaleTuning = 56;
constexpr std::int16_t kLoopContinuously = 1;
constexpr std::int16_t kAttack10ms = -7973;   // 1200 * log2(0.010) timecents
constexpr std::int16_t kRelease150ms = -3284; // 1200 * log2(0.150) timecents

class Writer {
public:
    void U8(std::uint8_t v) { bytes.append(static_cast<char>(v)); }
    void U16(std::uint16_t v)
    {
        U8(v & 0xFF);
        U8(v >> 8);
    }
    void U32(std::uint32_t v)
    {
        U16(v & 0xFFFF);
        U16(v >> 16);
    }
    void Name(const char *text, int size)
    {
        QByteArray name(text);
        name.resize(size); // pads with zeros
        bytes.append(name);
    }
    void Chunk(const char *id, const QByteArray &body)
    {
        bytes.append(id, 4);
        U32(static_cast<std::uint32_t>(body.size()));
        bytes.append(body);
        if (body.size() % 2)
            U8(0);
    }
    void List(const char *type, const QByteArray &body)
    {
        QByteArray inner(type, 4);
        inner.append(body);
        Chunk("LIST", inner);
    }
    QByteArray bytes;
};

QByteArray InfoList()
{
    Writer info, version;
    version.U16(2);
    version.U16(1);
    info.Chunk("ifil", version.bytes);
    info.Chunk("isng", QByteArray("EMU8000", 8));
    info.Chunk("INAM", QByteArray("Orvelle pure tone", 18));
    return info.bytes;
}

// Leaky-integrated white noise from a fixed seed (the file is the same on
// every start), bent so that its end meets its start: the loop has no seam.
std::vector<double> BrownNoise()
{
    std::uint32_t state = 0x2545F491u;
    auto white = [&state] {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state / 4294967296.0 - 0.5;
    };
    const double leak = std::exp(-2.0 * M_PI * kNoiseCornerHertz / kSampleRate);
    std::vector<double> noise(kNoiseSampleCount + 1);
    double level = 0.0;
    for (double &value : noise)
        value = level = leak * level + white();
    const double drift = noise.back() - noise.front();
    noise.pop_back();
    double mean = 0.0;
    for (std::size_t i = 0; i < noise.size(); ++i) {
        noise[i] -= drift * double(i) / kNoiseSampleCount;
        mean += noise[i];
    }
    mean /= kNoiseSampleCount;
    double power = 0.0;
    for (double &value : noise) {
        value -= mean;
        power += value * value;
    }
    const double scale = kNoiseRms / std::sqrt(power / kNoiseSampleCount);
    for (double &value : noise)
        value = std::clamp(value * scale, -32767.0, 32767.0);
    return noise;
}

QByteArray SampleList()
{
    Writer samples;
    auto write = [&samples](double value) {
        samples.U16(static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(value))));
    };
    for (int i = 0; i < kSampleCount + kPadding; ++i)
        write(i < kSampleCount ? kAmplitude * std::sin(2.0 * M_PI * i / kSamplesPerCycle) : 0.0);
    for (double value : BrownNoise())
        write(value);
    for (int i = 0; i < kPadding; ++i)
        write(0.0);
    Writer list;
    list.Chunk("smpl", samples.bytes);
    return list.bytes;
}

QByteArray PresetDataList()
{
    Writer phdr, pbag, pmod, pgen, inst, ibag, imod, igen, shdr;
    auto preset = [&](const char *name, std::uint16_t program, std::uint16_t bank, std::uint16_t bagIndex) {
        phdr.Name(name, 20);
        phdr.U16(program);
        phdr.U16(bank);
        phdr.U16(bagIndex);
        phdr.U32(0);
        phdr.U32(0);
        phdr.U32(0);
    };
    // One zone per preset, each naming its own instrument.
    preset("Pure tone", 0, kPureToneBank, 0);
    preset("Brown noise", kBrownNoiseProgram, kPureToneBank, 1);
    preset("EOP", 0, 0, 2);
    for (std::uint16_t i = 0; i <= 2; ++i)
        pbag.U16(i), pbag.U16(0);
    pmod.bytes.append(QByteArray(10, '\0'));
    pgen.U16(kGenInstrument), pgen.U16(0);
    pgen.U16(kGenInstrument), pgen.U16(1);
    pgen.U16(0), pgen.U16(0);

    const std::uint16_t sineGenerators[][2] = {
        {kGenAttackVolEnv, static_cast<std::uint16_t>(kAttack10ms)},
        {kGenReleaseVolEnv, static_cast<std::uint16_t>(kRelease150ms)},
        {kGenSampleModes, static_cast<std::uint16_t>(kLoopContinuously)},
        {kGenSampleId, 0}, // the sample comes last in its zone
    };
    // Every key plays the noise as recorded: no key changes its speed.
    const std::uint16_t noiseGenerators[][2] = {
        {kGenAttackVolEnv, static_cast<std::uint16_t>(kAttack10ms)},
        {kGenReleaseVolEnv, static_cast<std::uint16_t>(kRelease150ms)},
        {kGenScaleTuning, 0},
        {kGenSampleModes, static_cast<std::uint16_t>(kLoopContinuously)},
        {kGenSampleId, 1},
    };
    inst.Name("Sine", 20), inst.U16(0);
    inst.Name("Brown noise", 20), inst.U16(1);
    inst.Name("EOI", 20), inst.U16(2);
    for (const auto &g : sineGenerators)
        igen.U16(g[0]), igen.U16(g[1]);
    for (const auto &g : noiseGenerators)
        igen.U16(g[0]), igen.U16(g[1]);
    igen.U16(0), igen.U16(0);
    const auto sineCount = static_cast<std::uint16_t>(std::size(sineGenerators));
    const auto noiseCount = static_cast<std::uint16_t>(std::size(noiseGenerators));
    ibag.U16(0), ibag.U16(0);
    ibag.U16(sineCount), ibag.U16(0);
    ibag.U16(sineCount + noiseCount), ibag.U16(0);
    imod.bytes.append(QByteArray(10, '\0'));

    auto sample = [&shdr](const char *name, std::uint32_t start, std::uint32_t count, std::uint8_t rootKey) {
        shdr.Name(name, 20);
        shdr.U32(start);
        shdr.U32(start + count);
        shdr.U32(start);
        shdr.U32(start + count);
        shdr.U32(kSampleRate);
        shdr.U8(rootKey);
        shdr.U8(0);
        shdr.U16(0);
        shdr.U16(1); // mono
    };
    sample("Sine", 0, kSampleCount, kRootKey);
    sample("Brown noise", kNoiseStart, kNoiseSampleCount, kNoiseRootKey);
    shdr.Name("EOS", 20);
    shdr.bytes.append(QByteArray(26, '\0'));

    Writer list;
    list.Chunk("phdr", phdr.bytes);
    list.Chunk("pbag", pbag.bytes);
    list.Chunk("pmod", pmod.bytes);
    list.Chunk("pgen", pgen.bytes);
    list.Chunk("inst", inst.bytes);
    list.Chunk("ibag", ibag.bytes);
    list.Chunk("imod", imod.bytes);
    list.Chunk("igen", igen.bytes);
    list.Chunk("shdr", shdr.bytes);
    return list.bytes;
}

} // namespace

QByteArray PureToneSoundFont()
{
    Writer body;
    body.bytes.append("sfbk", 4);
    body.List("INFO", InfoList());
    body.List("sdta", SampleList());
    body.List("pdta", PresetDataList());
    Writer file;
    file.Chunk("RIFF", body.bytes);
    return file.bytes;
}

} // namespace Core
