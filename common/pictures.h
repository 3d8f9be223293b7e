// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// The program's pictures, drawn in code so they stay sharp at any scale and
// need no image files.
#include <QIcon>
#include <QWidget>

namespace brasti {

enum class Picture { Right, Wrong, Avanti, Avvio, Conferma, Ricomincia, Mostrami, Ascolta, Window };

QIcon pictureIcon(Picture picture);

// A picture stretched to fill its box, as the verdict icons are shown.
class PictureBox final : public QWidget {
    Q_OBJECT
public:
    PictureBox(Picture picture, QWidget* parent);
    Picture picture() const { return picture_; }
    // What a verdict icon says after its name: the counts, say.
    const QString& detail() const { return detail_; }
    void setDetail(const QString& detail) { detail_ = detail; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Picture picture_;
    QString detail_;
};

} // namespace brasti
