// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"

#include "artwork.h"
#include "design_scale.h"
#include "message_box.h"
#include "messages.h"
#include "translation.h"
#include "ui_Form1.h"
#include "wayland.h"
#include "window_messages.h"
#include "window_placement.h"
#include "writer.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPainter>
#include <QShowEvent>
#include <QStandardPaths>

#include <algorithm>

// The artwork is compiled into this library; a static library's resources
// are only linked in when something names them.
static void InitResources()
{
    Q_INIT_RESOURCE(varnel);
}

Form1::Form1(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      ui_(std::make_unique<Ui::Form1>())
{
    InitResources();
    ui_->setupUi(this);
    selectors_ = {ui_->Combo1, ui_->Combo2, ui_->Combo3, ui_->Combo4,  ui_->Combo5,  ui_->Combo6,
                  ui_->Combo7, ui_->Combo8, ui_->Combo9, ui_->Combo10, ui_->Combo11, ui_->Combo12};
    // Every slot offers the same pictures, listed once, on the first.
    QStringList pictures;
    for (int i = 0; i < ui_->Combo1->count(); ++i)
        pictures << ui_->Combo1->itemText(i);
    for (std::size_t n = 1; n < selectors_.size(); ++n)
        selectors_[n]->addItems(pictures);
    background_ = BackgroundPicture();
    setWindowIcon(WindowIcon());
    // The base patch has its one home in the patch core; the hidden label
    // only carries it to the composer.
    ui_->Label1->setText(
        QString::fromLatin1(patch::kBasePatch.data(), static_cast<int>(patch::kBasePatch.size())));

    // The load step: prepare the texts every Make reads.
    tables_ = patch::PrepareTables();

    connect(ui_->Command1, &QPushButton::clicked, this, &Form1::ComposePatch);
    connect(ui_->Command2, &QPushButton::clicked, this, &Form1::WritePatchFile);
    connect(ui_->Command3, &QPushButton::clicked, this, &Form1::EndProgram);

    // A button inside the path field, outside the tab order, that fills it in.
    QAction* choose = ui_->chooseFile;
    choose->setIcon(ChooserIcon());
    choose->setToolTip(choose->toolTip() + " (" +
                       choose->shortcut().toString(QKeySequence::NativeText) + ")");
    ui_->Text1->addAction(choose, QLineEdit::TrailingPosition);
    connect(choose, &QAction::triggered, this, &Form1::ChooseFile);
}

Form1::~Form1() = default;

void Form1::showEvent(QShowEvent* event)
{
    // Its frame and screen can be known only now. (The window is shown once;
    // the window system's own showing, after a minimise, is spontaneous.)
    if (!event->spontaneous()) {
        const QMargins frame = WindowFrame(*this);
        // A desktop font larger than the design's gets a larger window, all
        // of it alike, picture included, as far as the screen has room for
        // it whole; beyond that the font shrinks to fit the window.
        scale_ = std::min(std::max(1.0, DesignScale(*this)),
                          RoomIn(screen()->availableGeometry(), size(), frame));
        ShrinkFontToFit(*this, scale_);
        if (scale_ != 1)
            ScaleDesign(*this, scale_);
        SurviveMaximiseOnWayland(*this);
        CentreOnScreen(*this, frame);
    }
    QWidget::showEvent(event);
}

void Form1::paintEvent(QPaintEvent*)
{
    // From the top-left corner, at the design's scale; the picture is larger
    // than the window.
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.scale(scale_, scale_);
    painter.drawImage(0, 0, background_);
}

Form1::Choices Form1::ReadChoices() const
{
    Choices choices{{}, ui_->Check1->isChecked(), ui_->Check2->isChecked()};
    for (std::size_t n = 0; n < selectors_.size(); ++n)
        choices.selections[n] = static_cast<std::int16_t>(selectors_[n]->currentIndex());
    return choices;
}

void Form1::ComposePatch()
{
    const Choices choices = ReadChoices();
    const patch::ComposeResult result =
        patch::ComposePatch(tables_, choices.selections, choices.softKey, choices.arrowKey,
                            ui_->Label1->text().toStdString(), composer_);
    for (const patch::messages::Text& message : result.messages)
        ShowMessage(this, Translated(message), QMessageBox::NoIcon);
    if (result.text) {
        ui_->Label2->setText(QString::fromStdString(*result.text));
        patchMadeFrom_ = choices;
    }
}

void Form1::WritePatchFile()
{
    outputPath_ = ui_->Text1->text();
    // Saving before any Make would write an empty file, and saving after the
    // choices changed a patch that the window no longer shows.
    const char* refusal = nullptr;
    if (!patchMadeFrom_)
        refusal = window_messages::kNoPatchYet;
    else if (*patchMadeFrom_ != ReadChoices())
        refusal = window_messages::kChoicesChanged;
    if (refusal) {
        ShowMessage(this, tr(refusal), QMessageBox::Information);
        return;
    }
    const patch::WriteResult result =
        patch::WritePatchFile(outputPath_.toStdString(), ui_->Label2->text().toStdString());
    if (!result.ok()) {
        ShowMessage(this,
                    QCoreApplication::translate("patch", patch::messages::kSaveFailed)
                        .arg(outputPath_, Translated(patch::messages::Reason(result))),
                    QMessageBox::Critical);
        return;
    }
    EndProgram();
}

void Form1::ChooseFile()
{
    // The folder of the path as it stands where there is one, else the
    // user's documents; nothing is saved until Save.
    const QString current = ui_->Text1->text();
    const int cut = std::max(current.lastIndexOf('/'), current.lastIndexOf('\\'));
    const QDir folder(cut < 0 ? QStringLiteral(".") : current.left(cut + 1));
    const QString start = folder.exists()
                              ? folder.absolutePath()
                              : QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString chosen = QFileDialog::getSaveFileName(this, tr(window_messages::kChooseFileTitle),
                                                        QDir(start).filePath(current.mid(cut + 1)),
                                                        tr(window_messages::kPatchFiles));
    if (!chosen.isEmpty())
        ui_->Text1->setText(QDir::toNativeSeparators(chosen));
}

void Form1::EndProgram()
{
    // The program ends with its last window.
    close();
}
