// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <emscripten/val.h>

#include <string>

#include "chart_model.h"

namespace ombrix {

// A colour as CSS writes it: "rgb(0,128,128)", or with its alpha, "rgba(255,255,255,0)".
std::string CssColour(const Colour& colour);

// The chart window: its object name, caption and client area, the names of its coins marker,
// bars and replay's commands, and the keys named on its buttons.
emscripten::val ChartWindowRecord();

// What the chart shows now, drawn to the model's drawing size: its state, whether it shows a
// meeting, every shape of its scene, and its words.
emscripten::val ChartView(const ChartModel& chart);

// What an event asks of the page beyond drawing anew.
emscripten::val OutcomeRecord(const ChartOutcome& outcome);

// A command the chart hands to the program, by the name its outcome gives it: "Sweep",
// "StopSweep", "ClearPoints"; Command::None for another.
Command ProgramCommandNamed(const std::string& name);

// A part of the chart window by the name the page gives it: "Table", "Chart", "Bars",
// "Marker" or "Replay".
KeyPart KeyPartNamed(const std::string& name);

}  // namespace ombrix
