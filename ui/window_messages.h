// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every text that the window itself shows the user; captions and the
// default path are the window's design (Form1.ui), and Make's and Save's
// messages come from the patch core.

namespace window_messages {

// The message boxes' title; the window's caption is the design's own.
inline constexpr char kApplicationTitle[] = "Varnel menu pictures";
inline constexpr char kNoPatchYet[] =
    "There is no patch yet. Press \"Make\" to make it, then save it.";
inline constexpr char kChoicesChanged[] =
    "The choices have changed since the patch was made. Press \"Make\" to make it again, "
    "then save it.";
// The file chooser of the path field's button.
inline constexpr char kChooseFileTitle[] = "Save the patch as";
inline constexpr char kPatchFiles[] = "Patch files (*.vkp)";

}  // namespace window_messages
