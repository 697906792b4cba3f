// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's one window: reads the controls, hands their values to the
// patch core and shows what comes back.

#include "composer.h"
#include "tables.h"

#include <QImage>
#include <QString>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>

namespace Ui {
class Form1;
}
class SlotSelector;

class Form1 : public QWidget {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

public slots:
    void ComposePatch();
    void WritePatchFile();
    void EndProgram();
    void ChooseFile();

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // What a Make reads from the window.
    struct Choices {
        patch::Selections selections;
        bool softKey;
        bool arrowKey;
        bool operator==(const Choices& other) const
        {
            return selections == other.selections && softKey == other.softKey &&
                   arrowKey == other.arrowKey;
        }
        bool operator!=(const Choices& other) const { return !(*this == other); }
    };
    Choices ReadChoices() const;

    std::unique_ptr<Ui::Form1> ui_;
    std::array<SlotSelector*, patch::kSlotCount> selectors_{};
    patch::Tables tables_;
    patch::ComposerState composer_;
    // The choices of the Make that made the patch text, once one has.
    std::optional<Choices> patchMadeFrom_;
    QString outputPath_;
    double scale_ = 1;
    QImage background_;
};
