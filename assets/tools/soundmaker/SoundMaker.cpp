// Makes the game's two sound effects as RIFF WAVE files: POP.wav, the short
// bright pop of eating, and OOF.wav, the low grunt of dying.
//
//     soundmaker <oof-picture.txt> <output folder>
//
// Everything is integer arithmetic with fixed seeds, so the files come out the
// same, byte for byte, on every machine and with every compiler.

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::int64_t sampleRate = 11025;
constexpr std::size_t popSamples = 1697;
constexpr std::size_t oofSamples = 4812;
constexpr int pictureSide = 32;
constexpr std::size_t paletteSize = 256;
// The display chunk: a clipboard-format word, then the picture as a DIB
// (header, palette, pixels) and zeros up to the chunk's fixed size.
constexpr std::uint32_t clipboardDib = 8;
constexpr std::size_t displayChunkSize = 2112;
// Both files end with two zero bytes after the RIFF form, which keeps each
// file a whole number of 32-bit words long (1756 and 6992 bytes).
constexpr std::size_t alignmentTail = 2;

// Samples in Q15 (±32767) while a sound is made.
using Signal = std::vector<std::int32_t>;

class Noise {
public:
    explicit Noise(std::uint32_t seed) : state(seed) { }
    // A value in −32768..32767.
    std::int32_t next()
    {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return static_cast<std::int32_t>(state >> 16) - 32768;
    }

private:
    std::uint32_t state;
};

// A sine-like wave from a 32-bit phase: two parabolas, one per half turn.
std::int32_t parabolicSine(std::uint32_t phase)
{
    const std::int64_t x = phase >> 16; // 0..65535 is one turn
    const std::int64_t half = x & 0x7fff; // position in the half turn
    const std::int64_t arc = std::min<std::int64_t>((half * (32768 - half)) >> 13, 32767);
    return static_cast<std::int32_t>(x < 32768 ? arc : -arc);
}

// Phase step per sample for a frequency given in hundredths of a hertz.
std::uint32_t phaseStep(std::int64_t centihertz)
{
    return static_cast<std::uint32_t>((centihertz << 32) / (sampleRate * 100));
}

// A two-pole resonance (a formant): coefficients in Q14.
class Resonator {
public:
    Resonator(std::int64_t a1, std::int64_t a2) : a1(a1), a2(a2) { }
    std::int32_t next(std::int32_t input)
    {
        const std::int64_t out = input + ((a1 * y1 - a2 * y2) >> 14);
        y2 = y1;
        y1 = out;
        return static_cast<std::int32_t>(out);
    }

private:
    std::int64_t a1, a2;
    std::int64_t y1 = 0, y2 = 0;
};

// Scales the signal to the given peak (of 127) and centres it on 128, as 8-bit
// WAVE samples are unsigned.
Bytes toUnsigned8(const Signal& signal, std::int64_t peak)
{
    std::int64_t loudest = 1;
    for (const std::int32_t s : signal)
        loudest = std::max<std::int64_t>(loudest, std::abs(static_cast<std::int64_t>(s)));
    Bytes bytes;
    bytes.reserve(signal.size());
    for (const std::int32_t s : signal) {
        const std::int64_t scaled = s * peak;
        const std::int64_t rounded
            = (scaled >= 0 ? scaled + loudest / 2 : scaled - loudest / 2) / loudest;
        bytes.push_back(static_cast<std::uint8_t>(128 + rounded));
    }
    return bytes;
}

// Linear fade over the last `length` samples, so a sound never ends in a click.
void fadeOut(Signal& signal, std::size_t length)
{
    const std::size_t start = signal.size() - length;
    for (std::size_t i = start; i < signal.size(); ++i)
        signal[i] = static_cast<std::int32_t>(static_cast<std::int64_t>(signal[i])
                                              * static_cast<std::int64_t>(signal.size() - i)
                                              / static_cast<std::int64_t>(length + 1));
}

// The eating pop: a tone that leaps from 420 Hz up to about 1.4 kHz in 30 ms
// and then sinks slowly to 1 kHz, with a bright overtone at two and a half
// times its pitch and a short click of noise at the start. It dies away to a
// quarter and is faded out in its last 8 ms.
Bytes makePop()
{
    Signal signal(popSamples);
    Noise noise(0x504f5021u);
    const std::int64_t riseSamples = 331; // 30 ms
    std::uint32_t phase = 0, overtonePhase = 0;
    std::int64_t envelope = 1 << 16, overtoneEnvelope = 1 << 16;
    for (std::size_t i = 0; i < popSamples; ++i) {
        const auto n = static_cast<std::int64_t>(i);
        std::int64_t centihertz;
        if (n < riseSamples) {
            const std::int64_t left = riseSamples - n; // (1 − t)² ease towards the top
            centihertz = 42000 + 98000 - 98000 * left * left / (riseSamples * riseSamples);
        } else {
            centihertz = 140000
                - 40000 * (n - riseSamples) / (static_cast<std::int64_t>(popSamples) - riseSamples);
        }
        phase += phaseStep(centihertz);
        overtonePhase += phaseStep(centihertz * 5 / 2);
        const std::int64_t attack = std::min<std::int64_t>(n * 65536 / 22, 65536); // 2 ms
        std::int64_t s = parabolicSine(phase) * envelope >> 16;
        s += (parabolicSine(overtonePhase) * overtoneEnvelope >> 16) * 2 / 5;
        if (n < 40)
            s += noise.next() * (40 - n) / 60;
        signal[i] = static_cast<std::int32_t>(s * attack >> 16);
        envelope = envelope * 65481 >> 16; // ×0.99916: a quarter at the end
        overtoneEnvelope = overtoneEnvelope * 65340 >> 16; // ×0.997: a fifth left after 50 ms
    }
    fadeOut(signal, 88);
    return toUnsigned8(signal, 112);
}

// The death grunt: a buzzing voice whose pitch falls from 165 Hz to 95 Hz,
// shaped by two formants into a dark "oo", which at 280 ms gives way to a
// breathy "f" of filtered noise that fades out at the end.
Bytes makeOof()
{
    Signal signal(oofSamples);
    Noise noise(0x4f4f4621u);
    Resonator firstFormant(31073, 15654); // 430 Hz, 80 Hz wide
    Resonator secondFormant(27215, 15388); // 950 Hz, 110 Hz wide
    Resonator breath(6241, 14619); // 2.4 kHz, 200 Hz wide
    const std::int64_t total = static_cast<std::int64_t>(oofSamples);
    const std::int64_t voiceEnd = 3087; // 280 ms
    const std::int64_t crossfade = 660; // 60 ms from voice to breath
    std::uint32_t phase = 0;
    std::int64_t previousNoise = 0;
    for (std::size_t i = 0; i < oofSamples; ++i) {
        const auto n = static_cast<std::int64_t>(i);
        phase += phaseStep(16500 - 7000 * n / total);
        // A sawtooth with a little noise in it, as a voice pushed out in a hurry.
        const std::int64_t buzz
            = static_cast<std::int64_t>(static_cast<std::int32_t>(phase >> 16) - 32768)
            + noise.next() / 8;
        const std::int64_t voiced = firstFormant.next(static_cast<std::int32_t>(buzz / 16))
            + secondFormant.next(static_cast<std::int32_t>(buzz / 32));
        const std::int64_t hiss = noise.next();
        const std::int64_t breathy
            = breath.next(static_cast<std::int32_t>((hiss - previousNoise) / 8));
        previousNoise = hiss;

        // Voice: 10 ms attack, full until the crossfade, then gone.
        std::int64_t voiceLevel = std::min<std::int64_t>(n * 256 / 110, 256);
        if (n > voiceEnd - crossfade)
            voiceLevel = std::max<std::int64_t>(0, 256 * (voiceEnd - n) / crossfade);
        // Breath: rises through the crossfade and stays for the rest.
        const std::int64_t breathLevel
            = std::clamp<std::int64_t>(256 * (n - (voiceEnd - crossfade)) / crossfade, 0, 256);
        signal[i]
            = static_cast<std::int32_t>((voiced * voiceLevel + breathy * breathLevel * 2) / 256);
    }
    fadeOut(signal, 220);
    return toUnsigned8(signal, 118);
}

void putWord(Bytes& out, std::uint16_t value)
{
    out.push_back(static_cast<std::uint8_t>(value & 0xff));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void putLong(Bytes& out, std::uint32_t value)
{
    putWord(out, static_cast<std::uint16_t>(value & 0xffff));
    putWord(out, static_cast<std::uint16_t>(value >> 16));
}

void putTag(Bytes& out, const char (&tag)[5])
{
    out.insert(out.end(), tag, tag + 4);
}

void putChunk(Bytes& out, const char (&tag)[5], const Bytes& body)
{
    putTag(out, tag);
    putLong(out, static_cast<std::uint32_t>(body.size()));
    out.insert(out.end(), body.begin(), body.end());
    if (body.size() % 2 == 1)
        out.push_back(0); // chunks start on even offsets
}

struct Picture {
    std::vector<std::array<std::uint8_t, 3>> colours; // red, green, blue
    std::vector<std::uint8_t> pixels; // top row first, colour indices
};

Picture readPicture(const std::string& path)
{
    std::ifstream in(path);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    Picture picture;
    std::string keys;
    std::string line;
    bool inPicture = false;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        if (inPicture) {
            if (line.size() != pictureSide)
                throw std::runtime_error(path + ": a picture row is not 32 characters long");
            for (const char c : line) {
                const auto key = keys.find(c);
                if (key == std::string::npos)
                    throw std::runtime_error(path + ": no colour for '" + std::string(1, c) + "'");
                picture.pixels.push_back(static_cast<std::uint8_t>(key));
            }
            continue;
        }
        std::istringstream words(line);
        std::string word;
        words >> word;
        if (word == "picture") {
            inPicture = true;
        } else if (word == "colour") {
            char key = 0;
            int red = 0, green = 0, blue = 0;
            if (!(words >> key >> red >> green >> blue))
                throw std::runtime_error(path + ": bad colour line: " + line);
            keys.push_back(key);
            picture.colours.push_back({static_cast<std::uint8_t>(red),
                                       static_cast<std::uint8_t>(green),
                                       static_cast<std::uint8_t>(blue)});
        }
    }
    if (picture.pixels.size() != pictureSide * pictureSide)
        throw std::runtime_error(path + ": the picture needs 32 rows");
    return picture;
}

// The picture as a 256-colour DIB inside a display chunk. The palette starts
// with the picture's own colours and is filled up with a 6 × 6 × 6 colour cube
// and a grey ramp, as 256-colour pictures usually carry a full palette.
Bytes displayChunk(const Picture& picture)
{
    std::vector<std::array<std::uint8_t, 3>> palette = picture.colours;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                palette.push_back({static_cast<std::uint8_t>(r * 51),
                                   static_cast<std::uint8_t>(g * 51),
                                   static_cast<std::uint8_t>(b * 51)});
    for (int grey = 0; palette.size() < paletteSize; ++grey)
        palette.push_back({static_cast<std::uint8_t>(grey * 8 + 4),
                           static_cast<std::uint8_t>(grey * 8 + 4),
                           static_cast<std::uint8_t>(grey * 8 + 4)});
    palette.resize(paletteSize);

    Bytes body;
    putLong(body, clipboardDib);
    putLong(body, 40); // header size
    putLong(body, pictureSide); // width
    putLong(body, pictureSide); // height: rows stored bottom up
    putWord(body, 1); // planes
    putWord(body, 8); // bits per pixel
    putLong(body, 0); // uncompressed
    putLong(body, pictureSide * pictureSide); // image size
    putLong(body, 2835); // 72 dots per inch, in dots per metre
    putLong(body, 2835);
    putLong(body, paletteSize); // colours used
    putLong(body, static_cast<std::uint32_t>(picture.colours.size())); // important colours
    for (const auto& [red, green, blue] : palette) {
        body.push_back(blue);
        body.push_back(green);
        body.push_back(red);
        body.push_back(0);
    }
    for (int row = pictureSide - 1; row >= 0; --row) {
        const auto start = picture.pixels.begin() + row * pictureSide;
        body.insert(body.end(), start, start + pictureSide);
    }
    body.resize(displayChunkSize, 0);
    return body;
}

// A mono, 8-bit, 11025 Hz PCM WAVE file: format, sample count, the optional
// display chunk, then the samples.
Bytes waveFile(const Bytes& samples, bool longFormat, const Bytes* display)
{
    Bytes format;
    putWord(format, 1); // PCM
    putWord(format, 1); // channels
    putLong(format, static_cast<std::uint32_t>(sampleRate));
    putLong(format, static_cast<std::uint32_t>(sampleRate)); // bytes per second
    putWord(format, 1); // bytes per sample frame
    putWord(format, 8); // bits per sample
    if (longFormat)
        putWord(format, 0); // no extra format bytes
    Bytes fact;
    putLong(fact, static_cast<std::uint32_t>(samples.size()));

    Bytes form;
    putTag(form, "WAVE");
    putChunk(form, "fmt ", format);
    putChunk(form, "fact", fact);
    if (display)
        putChunk(form, "DISP", *display);
    putChunk(form, "data", samples);

    Bytes file;
    putTag(file, "RIFF");
    putLong(file, static_cast<std::uint32_t>(form.size()));
    file.insert(file.end(), form.begin(), form.end());
    file.resize(file.size() + alignmentTail, 0);
    return file;
}

void writeFile(const std::string& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::cerr << "usage: soundmaker <oof-picture.txt> <output folder>\n";
        return EXIT_FAILURE;
    }
    try {
        const std::string folder = argv[2];
        const Bytes display = displayChunk(readPicture(argv[1]));
        writeFile(folder + "/POP.wav", waveFile(makePop(), false, nullptr));
        writeFile(folder + "/OOF.wav", waveFile(makeOof(), true, &display));
    } catch (const std::exception& error) {
        std::cerr << "soundmaker: " << error.what() << '\n';
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}
