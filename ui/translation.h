// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user's language: Qt's own texts (the buttons of boxes and dialogs)
// and the program's, where there is a translation; English otherwise.

#include "messages.h"

#include <QString>

class QCoreApplication;

// Installs the translations for the system's language into `app`.
void LoadTranslations(QCoreApplication& app);

// A text of the patch core in the user's language, its values in place.
QString Translated(const patch::messages::Text& text);
