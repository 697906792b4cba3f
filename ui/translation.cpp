// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void LoadTranslations(QCoreApplication& app)
{
    // Qt's own come from the system where it has them, else from the
    // program (a Windows build carries them); the program's are built in.
    const QLocale locale;
    for (const auto& [name, folders] :
         {std::pair{QStringLiteral("qtbase"),
                    QStringList{QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                                QStringLiteral(":/i18n")}},
          std::pair{QStringLiteral("varnel"), QStringList{QStringLiteral(":/i18n")}}}) {
        for (const QString& folder : folders) {
            auto* translator = new QTranslator(&app);
            if (translator->load(locale, name, QStringLiteral("_"), folder)) {
                QCoreApplication::installTranslator(translator);
                break;
            }
            delete translator;
        }
    }
}

QString Translated(const patch::messages::Text& text)
{
    const QString words = QCoreApplication::translate("patch", text.words);
    const auto value = [&text](std::size_t n) { return QString::fromStdString(text.values[n]); };
    switch (text.values.size()) {
    case 0: return words;
    case 1: return words.arg(value(0));
    default: return words.arg(value(0), value(1));  // in one pass, as English() does
    }
}
