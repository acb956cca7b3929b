#pragma once

#include "teams/team.h"

#include <QImage>
#include <QSize>
#include <QString>

// A team's logo as every view shows it: the board, the printed result and
// the web's report. Each logo file is checked and decoded once while it
// stays as it is, and a logo that cannot be shown is told once a run.
// Any thread.
namespace TeamLogo {

// The most a logo is decoded to; each view scales it down from there.
constexpr int MaxSide = 512;

// Why the logo file at `path` cannot be shown, or empty when it can. Reads
// the file's header only, not its pixels.
QString refusal(const QString &path);

// The logo at `path` decoded to fit MaxSide x MaxSide, keeping its shape; a
// null image for none, or for one that cannot be shown, which is told on
// stderr: "corvella: logo PATH is not shown: WHY". Slow the first time: the
// board asks off its thread.
QImage image(const QString &path);

// The team's logo scaled to fit `box`, keeping its shape.
QImage image(const Team &team, QSize box);

} // namespace TeamLogo
