// The show's music, "musik/report.xm": a small song in A minor for eight
// channels (drums, hats, bass, a three-voice pad, lead and a plucked arpeggio),
// with every instrument synthesised here and the XM file written by hand.
//
// The song: speed 6 at 125 BPM, so a row is a sixteenth note and a pattern
// of 64 rows is four bars of 1.92 s. An intro, two verses, a chorus, a break
// and an outro; the restart position skips the intro, and the outro ends on
// the dominant so that the loop back into the first verse is seamless.
// To change the tune, edit the melodies and chords in `compose`; to change a
// sound, its `synth_*` function; volumes are the `*_VOL` constants.
#include <cmath>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "canvas.h"
#include "show.h"

namespace {

constexpr double PI = 3.14159265358979323846;
// Every sample is stored at four times the XM base rate (relative note +24),
// and a pitched waveform repeats every 128 samples: C-4 then sounds at C4.
constexpr double SAMPLE_RATE = 8363.0 * 4;
constexpr int PERIOD = 128;
constexpr int CHANNELS = 8;
constexpr int ROWS = 64;

struct Cell {
  std::uint8_t note = 0;  // 1 = C-0 ... 96; 97 = key off
  std::uint8_t instrument = 0;
  std::uint8_t volume = 0;  // volume column byte (0x10 + 0..64), 0 = none
  std::uint8_t effect = 0;
  std::uint8_t param = 0;
};

struct Pattern {
  Cell cells[ROWS][CHANNELS];
};

struct Envelope {
  std::vector<std::pair<int, int>> points;  // (tick, volume 0..64)
  int sustain = 0;
};

struct Instrument {
  const char* name = "";
  std::vector<std::int16_t> sample;
  std::uint32_t loop_start = 0;   // in samples
  std::uint32_t loop_length = 0;  // 0: plays once
  std::uint8_t volume = 64;
  Envelope envelope;  // empty: none
  std::uint16_t fadeout = 0;
  std::uint8_t vibrato_sweep = 0, vibrato_depth = 0, vibrato_rate = 0;
};

Instrument make_instrument(const char* name, std::vector<std::int16_t> sample) {
  Instrument in;
  in.name = name;
  in.sample = std::move(sample);
  return in;
}

enum InstrumentNumber { KICK = 1, SNARE, HAT, OPEN_HAT, BASS, PAD, LEAD, PLUCK };

// --- instruments ---------------------------------------------------------------

// Scales a float signal to 16 bits with its peak at 0.9 of full scale.
std::vector<std::int16_t> to_pcm(const std::vector<double>& s) {
  double peak = 1e-9;
  for (double v : s) peak = std::max(peak, std::fabs(v));
  std::vector<std::int16_t> out(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) out[i] = static_cast<std::int16_t>(std::lround(s[i] / peak * 29490));
  return out;
}

// Deterministic white noise in -1..1.
double noise(int i, std::uint32_t seed) { return hash01(i, 0, seed) * 2 - 1; }

Instrument synth_kick() {
  std::vector<double> s(static_cast<int>(SAMPLE_RATE * 0.4));
  double phase = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    double t = i / SAMPLE_RATE;
    double f = 45 + 110 * std::exp(-t * 28);
    phase += 2 * PI * f / SAMPLE_RATE;
    double body = std::sin(phase) * std::exp(-t * 7);
    double click = noise(static_cast<int>(i), 11) * std::exp(-t * 400) * 0.3;
    s[i] = std::tanh((body + click) * 1.6);
  }
  return make_instrument("kick", to_pcm(s));
}

Instrument synth_snare() {
  std::vector<double> s(static_cast<int>(SAMPLE_RATE * 0.3));
  double low = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    double t = i / SAMPLE_RATE;
    double n = noise(static_cast<int>(i), 22);
    low += (n - low) * 0.35;  // a gentle low-pass takes the fizz off the noise
    double tone = std::sin(2 * PI * 185 * t) * std::exp(-t * 30) * 0.7;
    s[i] = tone + low * std::exp(-t * 16) * 1.2;
  }
  return make_instrument("snare", to_pcm(s));
}

Instrument synth_hat(const char* name, double length, double decay) {
  std::vector<double> s(static_cast<int>(SAMPLE_RATE * length));
  double prev = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    double t = i / SAMPLE_RATE;
    double n = noise(static_cast<int>(i), 33);
    double high = n - prev;  // first difference: only the bright part of the noise
    prev = n;
    s[i] = high * std::exp(-t * decay);
  }
  return make_instrument(name, to_pcm(s));
}

// One period-aligned loop of `cycles` waveform periods from harmonic amplitudes.
std::vector<double> additive(const std::vector<double>& amps, int cycles, std::uint32_t phase_seed) {
  std::vector<double> s(static_cast<std::size_t>(PERIOD) * cycles);
  for (std::size_t n = 0; n < amps.size(); ++n) {
    double ph = hash01(static_cast<int>(n), 0, phase_seed) * 2 * PI;
    for (std::size_t i = 0; i < s.size(); ++i)
      s[i] += amps[n] * std::sin(2 * PI * (n + 1) * i / PERIOD + ph);
  }
  return s;
}

Instrument synth_bass() {
  // A saw through a soft low-pass, plus a little sub octave for weight.
  std::vector<double> amps(24);
  for (std::size_t n = 0; n < amps.size(); ++n) amps[n] = 1.0 / (n + 1) / (1 + std::pow((n + 1) / 6.0, 2));
  std::vector<double> s = additive(amps, 8, 5);
  for (std::size_t i = 0; i < s.size(); ++i) s[i] = std::tanh(s[i] * 1.5);
  Instrument in = make_instrument("bass", to_pcm(s));
  in.loop_length = static_cast<std::uint32_t>(s.size());
  in.envelope = {{{0, 64}, {6, 46}, {30, 38}}, 2};
  in.fadeout = 3000;
  return in;
}

Instrument synth_pad() {
  // Three detuned saws: 127, 128 and 129 periods in one loop, so the loop
  // closes exactly and the beating between them never jumps.
  constexpr int LOOP_CYCLES = 128;
  const int length = PERIOD * LOOP_CYCLES;
  std::vector<double> s(length);
  const int voices[3] = {127, 128, 129};
  for (int v = 0; v < 3; ++v)
    for (int n = 1; n <= 20; ++n) {
      double amp = 1.0 / std::pow(n, 1.4) / (1 + std::pow(n / 8.0, 2));
      double ph = hash01(n, v, 7) * 2 * PI;
      for (int i = 0; i < length; ++i) s[i] += amp * std::sin(2 * PI * n * voices[v] * i / length + ph);
    }
  Instrument in = make_instrument("pad", to_pcm(s));
  in.loop_length = static_cast<std::uint32_t>(length);
  in.envelope = {{{0, 0}, {18, 64}, {60, 52}}, 2};
  in.fadeout = 700;
  return in;
}

Instrument synth_lead() {
  // A soft square with a little even colour; vibrato comes from the
  // instrument's auto-vibrato, after a short delay.
  std::vector<double> amps(10);
  for (std::size_t n = 0; n < amps.size(); ++n) {
    int h = static_cast<int>(n) + 1;
    amps[n] = (h % 2 == 1 ? 1.0 / h : 0.18 / h) / (1 + std::pow(h / 5.0, 2));
  }
  std::vector<double> s = additive(amps, 4, 9);
  Instrument in = make_instrument("lead", to_pcm(s));
  in.loop_length = static_cast<std::uint32_t>(s.size());
  in.envelope = {{{0, 0}, {2, 64}, {14, 50}}, 2};
  in.fadeout = 1400;
  in.vibrato_sweep = 48;
  in.vibrato_depth = 3;
  in.vibrato_rate = 10;
  return in;
}

Instrument synth_pluck() {
  // A plucked string: each harmonic dies away faster than the one below it.
  std::vector<double> s(static_cast<int>(SAMPLE_RATE * 0.7));
  for (int n = 1; n <= 14; ++n) {
    double amp = 1.0 / n;
    double decay = 3.0 + n * 1.8;
    double ph = hash01(n, 0, 13) * 2 * PI;
    for (std::size_t i = 0; i < s.size(); ++i) {
      double t = i / SAMPLE_RATE;
      s[i] += amp * std::sin(2 * PI * n * i / PERIOD + ph) * std::exp(-t * decay);
    }
  }
  for (std::size_t i = 0; i < 40 && i < s.size(); ++i) s[i] *= i / 40.0;  // no click at the start
  return make_instrument("pluck", to_pcm(s));
}

// --- the song ------------------------------------------------------------------

// Volumes (0..64) of the parts, balanced so that the mix peaks well below
// full scale.
constexpr int KICK_VOL = 52, SNARE_VOL = 40, HAT_VOL = 22, BASS_VOL = 40, PAD_VOL = 17, LEAD_VOL = 34,
              PLUCK_VOL = 20;

enum Channel { CH_DRUMS, CH_HATS, CH_BASS, CH_PAD1, CH_PAD2, CH_PAD3, CH_LEAD, CH_PLUCK };

// An XM note number from a name like "A5" or "C#4".
int note(const char* name) {
  static const int semis[7] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
  int semi = semis[name[0] - 'A'];
  int i = 1;
  if (name[i] == '#') ++semi, ++i;
  int octave = name[i] - '0';
  return octave * 12 + semi + 1;
}

struct Chord {
  const char* root;      // bass root, octave 2
  const char* voice[3];  // pad voicing
  const char* arp[3];    // arpeggio tones, low to high, octave 4
};

const Chord AM = {"A1", {"A3", "C4", "E4"}, {"A4", "C5", "E5"}};
const Chord FM = {"F2", {"A3", "C4", "F4"}, {"F4", "A4", "C5"}};
const Chord CM = {"C2", {"G3", "C4", "E4"}, {"C5", "E5", "G5"}};
const Chord GM = {"G1", {"G3", "B3", "D4"}, {"G4", "B4", "D5"}};
const Chord DM = {"D2", {"A3", "D4", "F4"}, {"D5", "F5", "A5"}};
const Chord EM = {"E2", {"G3", "B3", "E4"}, {"E4", "G4", "B4"}};

void put(Pattern& p, int row, int channel, int note_number, int instrument, int volume) {
  Cell& c = p.cells[row][channel];
  c.note = static_cast<std::uint8_t>(note_number);
  c.instrument = static_cast<std::uint8_t>(instrument);
  c.volume = static_cast<std::uint8_t>(0x10 + std::clamp(volume, 0, 64));
}

void key_off(Pattern& p, int row, int channel) { p.cells[row][channel].note = 97; }

// Writes a melody line: 16 space-separated steps per bar, each a note name,
// "." (hold) or "-" (release).
void melody(Pattern& p, int channel, int instrument, int volume, const char* line) {
  int step = 0;
  const char* s = line;
  while (*s != 0 && step < ROWS) {
    while (*s == ' ') ++s;
    if (*s == 0) break;
    char token[8] = {};
    int n = 0;
    while (*s != 0 && *s != ' ' && n < 7) token[n++] = *s++;
    if (token[0] == '-')
      key_off(p, step, channel);
    else if (token[0] != '.')
      put(p, step, channel, note(token), instrument, volume);
    ++step;
  }
}

enum DrumStyle { NO_DRUMS, SOFT_DRUMS, FULL_DRUMS, BUILD_DRUMS };

void harmony(Pattern& p, const Chord* const chords[4], bool bass, bool pad, bool pluck, int pluck_volume) {
  for (int bar = 0; bar < 4; ++bar) {
    const Chord& c = *chords[bar];
    int r0 = bar * 16;
    if (pad)
      for (int v = 0; v < 3; ++v) put(p, r0, CH_PAD1 + v, note(c.voice[v]), PAD, PAD_VOL);
    if (bass) {
      int root = note(c.root) + 12;
      const int rows[7] = {0, 3, 6, 8, 10, 12, 14};
      const int shift[7] = {0, 0, 12, 0, 7, 12, 0};
      for (int k = 0; k < 7; ++k) put(p, r0 + rows[k], CH_BASS, root + shift[k], BASS, BASS_VOL - (k % 2) * 6);
    }
    if (pluck) {
      const int order[8] = {0, 1, 2, 3, 2, 1, 3, 1};
      for (int k = 0; k < 8; ++k) {
        int n = note(c.arp[order[k] % 3]) + (order[k] == 3 ? 12 : 0);
        put(p, r0 + 2 * k, CH_PLUCK, n, PLUCK, pluck_volume - (k % 2) * 5);
      }
    }
  }
}

void drums(Pattern& p, DrumStyle style, bool fill_at_end) {
  if (style == NO_DRUMS) return;
  for (int bar = 0; bar < 4; ++bar) {
    int r0 = bar * 16;
    put(p, r0, CH_DRUMS, note("C4"), KICK, KICK_VOL);
    if (style != SOFT_DRUMS) {
      put(p, r0 + 4, CH_DRUMS, note("C4"), SNARE, SNARE_VOL);
      put(p, r0 + 8, CH_DRUMS, note("C4"), KICK, KICK_VOL);
      if (bar % 2 == 1) put(p, r0 + 10, CH_DRUMS, note("C4"), KICK, KICK_VOL - 12);
      put(p, r0 + 12, CH_DRUMS, note("C4"), SNARE, SNARE_VOL);
    } else {
      put(p, r0 + 8, CH_DRUMS, note("C4"), KICK, KICK_VOL - 10);
    }
    for (int k = 0; k < 8; ++k) {
      bool off = k % 2 == 1;
      int inst = (style == FULL_DRUMS && k == 7 && bar == 3) ? OPEN_HAT : HAT;
      put(p, r0 + 2 * k, CH_HATS, note("C4"), inst, off ? HAT_VOL : HAT_VOL - 10);
    }
  }
  if (style == BUILD_DRUMS)
    for (int r = 32; r < 64; r += 2) put(p, r, CH_DRUMS, note("C4"), SNARE, 10 + (r - 32));
  if (fill_at_end) {
    const int rows[4] = {56, 58, 60, 62};
    for (int k = 0; k < 4; ++k) put(p, rows[k], CH_DRUMS, note("C4"), SNARE, SNARE_VOL - 12 + 4 * k);
    put(p, 61, CH_DRUMS, note("C4"), SNARE, SNARE_VOL - 6);
    put(p, 63, CH_DRUMS, note("C4"), SNARE, SNARE_VOL);
  }
}

struct Song {
  std::vector<Pattern> patterns;
  std::vector<std::uint8_t> order;
  int restart = 0;
};

Song compose() {
  const Chord* verse[4] = {&AM, &FM, &CM, &GM};
  const Chord* chorus_a[4] = {&FM, &GM, &EM, &AM};
  const Chord* chorus_b[4] = {&FM, &GM, &CM, &GM};
  const Chord* bridge[4] = {&DM, &EM, &FM, &GM};

  Song song;
  song.patterns.reserve(16);  // the references below stay valid
  auto add = [&]() -> Pattern& {
    song.patterns.emplace_back();
    return song.patterns.back();
  };

  // 0: intro, pad and pluck alone.
  Pattern& intro = add();
  harmony(intro, verse, false, true, true, PLUCK_VOL - 4);
  drums(intro, NO_DRUMS, false);
  for (int r = 48; r < 64; r += 2) put(intro, r, CH_HATS, note("C4"), HAT, HAT_VOL - 14 + (r - 48) / 2);

  // 1: the groove without a tune; the loop comes back here.
  Pattern& groove = add();
  harmony(groove, verse, true, true, true, PLUCK_VOL);
  drums(groove, FULL_DRUMS, false);

  // 2, 3: verse.
  Pattern& verse1 = add();
  harmony(verse1, verse, true, true, true, PLUCK_VOL - 6);
  drums(verse1, FULL_DRUMS, false);
  melody(verse1, CH_LEAD, LEAD, LEAD_VOL,
         "E5 . . . A5 . . . C6 . B5 . A5 . E5 . "
         "F5 . . . A5 . . . C6 . . . A5 . . . "
         "G5 . . . E5 . . . G5 . C6 . E6 . . . "
         "D6 . . . B5 . . . G5 . . . - . . . ");
  Pattern& verse2 = add();
  harmony(verse2, verse, true, true, true, PLUCK_VOL - 6);
  drums(verse2, FULL_DRUMS, true);
  melody(verse2, CH_LEAD, LEAD, LEAD_VOL,
         "C6 . . . B5 . A5 . . . E5 . A5 . B5 . "
         "C6 . . . . . A5 . F5 . . . A5 . C6 . "
         "E6 . . . D6 . C6 . . . G5 . . . E5 . "
         "G5 . . . A5 . B5 . D6 . . . B5 . - . ");

  // 4, 5: chorus.
  Pattern& chorus1 = add();
  harmony(chorus1, chorus_a, true, true, true, PLUCK_VOL - 6);
  drums(chorus1, FULL_DRUMS, false);
  melody(chorus1, CH_LEAD, LEAD, LEAD_VOL + 2,
         "A5 . . . . . C6 . . . F6 . . . E6 . "
         "D6 . . . . . B5 . . . G5 . . . D6 . "
         "E6 . . . . . D6 . B5 . . . G5 . . . "
         "A5 . . . . . . . - . . . E5 . A5 . ");
  Pattern& chorus2 = add();
  harmony(chorus2, chorus_b, true, true, true, PLUCK_VOL - 6);
  drums(chorus2, FULL_DRUMS, true);
  melody(chorus2, CH_LEAD, LEAD, LEAD_VOL + 2,
         "C6 . . . A5 . . . F5 . . . A5 . C6 . "
         "D6 . . . B5 . . . G5 . . . B5 . D6 . "
         "E6 . . . . . . . G6 . . . E6 . C6 . "
         "D6 . . . . . . . . . . . - . . . ");

  // 6, 7: break, then a build back into the verse.
  Pattern& break1 = add();
  harmony(break1, bridge, false, true, true, PLUCK_VOL);
  drums(break1, SOFT_DRUMS, false);
  melody(break1, CH_LEAD, LEAD, LEAD_VOL - 8,
         "F5 . . . . . . . A5 . . . . . . . "
         "G5 . . . . . . . B5 . . . . . . . "
         "A5 . . . . . . . C6 . . . . . . . "
         "B5 . . . . . . . D6 . . . - . . . ");
  Pattern& build = add();
  harmony(build, bridge, true, true, true, PLUCK_VOL);
  drums(build, BUILD_DRUMS, false);
  melody(build, CH_LEAD, LEAD, LEAD_VOL - 4,
         "F6 . . . E6 . D6 . . . A5 . . . . . "
         "G6 . . . F6 . E6 . . . B5 . . . . . "
         "A6 . . . G6 . F6 . . . C6 . . . . . "
         "B5 . . . . . D6 . . . . . - . . . ");

  // 8: outro, ending on the dominant so the loop flows into the groove.
  Pattern& outro = add();
  harmony(outro, verse, true, true, true, PLUCK_VOL);
  drums(outro, SOFT_DRUMS, true);
  melody(outro, CH_LEAD, LEAD, LEAD_VOL - 6,
         "A5 . . . . . . . . . . . E5 . . . "
         "F5 . . . . . . . . . . . C6 . . . "
         "G5 . . . . . . . . . . . E5 . . . "
         "D5 . . . . . . . . . . . - . . . ");

  song.order = {0, 1, 2, 3, 4, 5, 6, 7, 2, 3, 4, 5, 8};
  song.restart = 1;
  return song;
}

// --- the XM writer ----------------------------------------------------------------

struct Writer {
  std::vector<std::uint8_t> bytes;
  void u8(int v) { bytes.push_back(static_cast<std::uint8_t>(v)); }
  void u16(int v) { u8(v & 0xff), u8((v >> 8) & 0xff); }
  void u32(std::uint32_t v) { u16(v & 0xffff), u16(v >> 16); }
  void text(const char* s, std::size_t size) {
    std::size_t n = std::strlen(s);
    for (std::size_t i = 0; i < size; ++i) u8(i < n ? s[i] : 0);
  }
  void pad_to(std::size_t size) {
    while (bytes.size() < size) u8(0);
  }
};

void write_pattern(Writer& w, const Pattern& p) {
  Writer data;
  for (int r = 0; r < ROWS; ++r)
    for (int ch = 0; ch < CHANNELS; ++ch) {
      const Cell& c = p.cells[r][ch];
      int mask = (c.note ? 1 : 0) | (c.instrument ? 2 : 0) | (c.volume ? 4 : 0) | (c.effect ? 8 : 0) |
                 (c.param ? 16 : 0);
      data.u8(0x80 | mask);
      if (c.note) data.u8(c.note);
      if (c.instrument) data.u8(c.instrument);
      if (c.volume) data.u8(c.volume);
      if (c.effect) data.u8(c.effect);
      if (c.param) data.u8(c.param);
    }
  w.u32(9);  // pattern header length
  w.u8(0);   // packing type
  w.u16(ROWS);
  w.u16(static_cast<int>(data.bytes.size()));
  w.bytes.insert(w.bytes.end(), data.bytes.begin(), data.bytes.end());
}

void write_instrument(Writer& w, const Instrument& in) {
  constexpr std::uint32_t HEADER_SIZE = 263;
  std::size_t start = w.bytes.size();
  w.u32(HEADER_SIZE);
  w.text(in.name, 22);
  w.u8(0);   // type
  w.u16(1);  // one sample
  w.u32(40);  // sample header size
  for (int i = 0; i < 96; ++i) w.u8(0);  // every note plays sample 0
  for (int i = 0; i < 12; ++i) {
    if (i < static_cast<int>(in.envelope.points.size()))
      w.u16(in.envelope.points[i].first), w.u16(in.envelope.points[i].second);
    else
      w.u16(0), w.u16(0);
  }
  for (int i = 0; i < 12; ++i) w.u16(0), w.u16(32);  // panning envelope: unused, centred
  w.u8(static_cast<int>(in.envelope.points.size()));
  w.u8(0);
  w.u8(in.envelope.sustain);
  w.u8(0), w.u8(0);  // volume loop start, end
  w.u8(0), w.u8(0), w.u8(0);  // panning sustain, loop start, end
  w.u8(in.envelope.points.empty() ? 0 : 3);  // volume envelope on, with sustain
  w.u8(0);
  w.u8(0);  // vibrato: sine
  w.u8(in.vibrato_sweep), w.u8(in.vibrato_depth), w.u8(in.vibrato_rate);
  w.u16(in.fadeout);
  w.pad_to(start + HEADER_SIZE);

  // The sample header, then its 16-bit data as deltas.
  w.u32(static_cast<std::uint32_t>(in.sample.size() * 2));
  w.u32(in.loop_start * 2);
  w.u32(in.loop_length * 2);
  w.u8(in.volume);
  w.u8(0);  // finetune
  w.u8((in.loop_length > 0 ? 1 : 0) | 0x10);
  w.u8(128);  // panning: centre
  w.u8(24);   // relative note: stored at four times the base rate
  w.u8(0);
  w.text(in.name, 22);
  std::int16_t previous = 0;
  for (std::int16_t v : in.sample) {
    w.u16(static_cast<std::uint16_t>(static_cast<std::int16_t>(v - previous)));
    previous = v;
  }
}

}  // namespace

std::vector<std::uint8_t> make_module() {
  Song song = compose();
  std::vector<Instrument> instruments = {synth_kick(),
                                         synth_snare(),
                                         synth_hat("hat", 0.08, 60),
                                         synth_hat("open hat", 0.35, 11),
                                         synth_bass(),
                                         synth_pad(),
                                         synth_lead(),
                                         synth_pluck()};
  Writer w;
  w.text("Extended Module: ", 17);
  w.text("Tidewire 24", 20);
  w.u8(0x1a);
  w.text("tidewire make_show", 20);
  w.u16(0x0104);
  w.u32(276);  // header size from here on
  w.u16(static_cast<int>(song.order.size()));
  w.u16(song.restart);
  w.u16(CHANNELS);
  w.u16(static_cast<int>(song.patterns.size()));
  w.u16(static_cast<int>(instruments.size()));
  w.u16(1);    // linear frequency table
  w.u16(6);    // ticks per row
  w.u16(125);  // BPM
  for (int i = 0; i < 256; ++i) w.u8(i < static_cast<int>(song.order.size()) ? song.order[i] : 0);
  for (const Pattern& p : song.patterns) write_pattern(w, p);
  for (const Instrument& in : instruments) write_instrument(w, in);
  return w.bytes;
}
