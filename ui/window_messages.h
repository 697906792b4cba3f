// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every text that the window itself shows the user; captions and the
// default path are the window's design (Form1.ui), and Make's and Save's
// messages come from the patch core. The window's texts are translated in
// the context "Form1", the command line's are English.

#include <QtGlobal>

namespace window_messages {

// The message boxes' title; the window's caption is the design's own.
inline constexpr char kApplicationTitle[] = QT_TRANSLATE_NOOP("Form1", "Varnel menu pictures");
inline constexpr char kNoPatchYet[] =
    QT_TRANSLATE_NOOP("Form1", "There is no patch yet. Press \"Make\" to make it, then save it.");
inline constexpr char kChoicesChanged[] = QT_TRANSLATE_NOOP(
    "Form1",
    "The choices have changed since the patch was made. Press \"Make\" to make it again, "
    "then save it.");
// The command line's answers.
inline constexpr char kUsage[] =
    "Usage: varnel [--help | --version]\n"
    "Opens the window in which a picture is picked for each position of an older\n"
    "phone's main menu, and the patch file (.vkp) that sets them is made and saved.\n"
    "The program takes no file names or other options of its own; Qt's options\n"
    "(such as -platform or -style) are passed on to Qt.\n"
    "\n"
    "  -h, --help     show this help and exit\n"
    "      --version  show the version and exit\n";
inline constexpr char kUsageHint[] = "Try \"varnel --help\" for more information.\n";
// The file chooser of the path field's button.
inline constexpr char kChooseFileTitle[] = QT_TRANSLATE_NOOP("Form1", "Save the patch as");
inline constexpr char kPatchFiles[] = QT_TRANSLATE_NOOP("Form1", "Patch files (*.vkp)");

}  // namespace window_messages
