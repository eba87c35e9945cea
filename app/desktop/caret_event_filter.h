// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace vorlane {

// From now on a screen reader hears of a caret move only in a box that has the keyboard focus.
// Orca 43 takes a caret move in a box that has the focus by the time it reads the event as the
// box's arrival, quietly; when the real focus change comes after it, Orca then says nothing. A
// box without the focus has no caret to follow, so such a move tells a screen reader nothing.
void keepCaretEventsToTheFocus();

}  // namespace vorlane
