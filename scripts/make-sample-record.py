#!/usr/bin/env python3
"""Writes the sample record of the program: a PI controller holding a first-order plant with
dead time through a few setpoint steps, the output measured with some noise. The four files
(czas.txt, w_zad.txt, sterow.txt, wyj_obj.txt) hold one number per line with "." decimals.
Deterministic: the same files on every run.

Usage: make-sample-record.py [--samples N] [FOLDER]   (default: examples/ of the repository)
With --samples, the run lasts N samples instead of 1,501 (150 s), still 0.1 s apart, with the
setpoint steps at the same fractions of its duration: a record of any size for measurements.
"""
import argparse
import math
import pathlib
import random

STEP = 0.1  # s between samples
DURATION = 150.0  # s
PLANT_GAIN = 2.0
PLANT_TIME_CONSTANT = 8.0  # s
DEAD_TIME = 1.5  # s
NOISE = 0.08  # standard deviation of the measurement noise
# SIMC tuning with the closed-loop time constant equal to the dead time: brisk, little overshoot.
GAIN = PLANT_TIME_CONSTANT / (PLANT_GAIN * 2 * DEAD_TIME)
INTEGRAL_TIME = PLANT_TIME_CONSTANT
CONTROL_LIMITS = (0.0, 40.0)
SETPOINT_STEPS = [(0.0, 0.0), (5.0, 10.0), (40.0, 25.0), (80.0, 15.0), (115.0, 20.0)]
DEFAULT_SAMPLES = int(round(DURATION / STEP)) + 1


def setpoint_at(t, steps):
    value = 0.0
    for start, level in steps:
        if t >= start - 1e-9:
            value = level
    return value


def scaled_steps(samples):
    """The setpoint steps moved to the same fractions of a run of `samples` samples."""
    duration = (samples - 1) * STEP
    return [(start * duration / DURATION, level) for start, level in SETPOINT_STEPS]


def simulate(samples):
    rng = random.Random(1250)
    steps = scaled_steps(samples)
    delay = int(round(DEAD_TIME / STEP))
    decay = math.exp(-STEP / PLANT_TIME_CONSTANT)
    state = 0.0
    integral = 0.0
    pending = [0.0] * delay  # controls on their way through the dead time
    rows = []
    for k in range(samples):
        t = k * STEP
        setpoint = setpoint_at(t, steps)
        measured = state + rng.gauss(0.0, NOISE)
        error = setpoint - measured
        unclamped = GAIN * (error + integral / INTEGRAL_TIME)
        control = min(max(unclamped, CONTROL_LIMITS[0]), CONTROL_LIMITS[1])
        # Integrate only while the actuator is not held at a limit (no wind-up).
        if control == unclamped:
            integral += error * STEP
        rows.append((t, setpoint, control, measured))
        pending.append(control)
        state = decay * state + (1.0 - decay) * PLANT_GAIN * pending.pop(0)
    return rows


def main():
    root = pathlib.Path(__file__).resolve().parent.parent
    parser = argparse.ArgumentParser(description="Writes the sample record of the program.")
    parser.add_argument("folder", nargs="?", type=pathlib.Path, default=root / "examples")
    parser.add_argument("--samples", type=int, default=DEFAULT_SAMPLES,
                        help="number of samples, 0.1 s apart (default: %(default)s)")
    arguments = parser.parse_args()
    if arguments.samples < 2:
        parser.error("--samples must be at least 2")
    folder = arguments.folder
    folder.mkdir(parents=True, exist_ok=True)
    rows = simulate(arguments.samples)
    columns = [("czas.txt", 0, "{:.1f}"), ("w_zad.txt", 1, "{:.1f}"),
               ("sterow.txt", 2, "{:.3f}"), ("wyj_obj.txt", 3, "{:.3f}")]
    for name, index, form in columns:
        text = "".join(form.format(row[index]) + "\n" for row in rows)
        (folder / name).write_text(text.replace("-0.000", "0.000"), newline="\n")
    print(f"{len(rows)} samples written to {folder}")


if __name__ == "__main__":
    main()
