# Synthesises the short bird call played when a puzzle is solved.
import io
import math
import wave

RATE = 22050


def chirp(start, length, f0, f1, loud):
    """A gliding whistle (frequency sweeping f0 -> f1) with a soft rise and fall."""
    samples = []
    phase = 0.0
    n = int(length * RATE)
    for i in range(n):
        t = i / n
        f = f0 + (f1 - f0) * t * t * (3 - 2 * t)
        phase += 2 * math.pi * f / RATE
        env = math.sin(math.pi * t) ** 1.5
        # A touch of the second harmonic keeps it from sounding like a test tone.
        samples.append(loud * env * (math.sin(phase) + 0.18 * math.sin(2 * phase)))
    return int(start * RATE), samples


def song():
    notes = [
        (0.00, 0.07, 3200, 4300, 0.55),
        (0.10, 0.07, 3300, 4500, 0.60),
        (0.20, 0.09, 4600, 2900, 0.70),
        (0.34, 0.05, 3800, 4200, 0.50),
    ]
    # A fast trill to finish: short notes that fall a little in pitch and fade.
    for k in range(9):
        notes.append((0.46 + k * 0.052, 0.038, 4400 - k * 60, 3600 - k * 60, 0.65 * (1 - k / 14)))
    notes.append((0.95, 0.10, 3500, 2600, 0.35))
    total = int(1.08 * RATE)
    mix = [0.0] * total
    for start, length, f0, f1, loud in notes:
        at, samples = chirp(start, length, f0, f1, loud)
        for i, s in enumerate(samples):
            if at + i < total:
                mix[at + i] += s
    return mix


def wav_bytes():
    peak = max(abs(s) for s in song()) or 1.0
    frames = b"".join(int(round(s / peak * 0.8 * 32767)).to_bytes(2, "little", signed=True) for s in song())
    out = io.BytesIO()
    with wave.open(out, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(frames)
    return out.getvalue()
