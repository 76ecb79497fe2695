// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "lessons/tutorialdesigns.h"

#include <QDialog>

#include <utility>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

namespace keyvora {

class KeyboardDiagram;
class PracticeTarget;

// One of the three tutorial windows: paragraphs in English or Malay, a small keyboard diagram
// in the tutorial's colouring, and the drill it hands to the main window in use. Made afresh
// for each opening; it closes itself before the drill goes over, so the drill lands in a
// window that takes input at once.
class Tutorial final : public QDialog {
    Q_OBJECT
public:
    Tutorial(TutorialKind kind, PracticeTarget &target, QWidget *parent = nullptr);

    void cmdBM_Click();
    void cmdNext_Click(); // Next, or OK beside the drill list
    void cmdCancel_Click();
    void lstLR_DblClick();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void startDrill(const QString &drill);

    const TutorialDesign &m_design;
    PracticeTarget &m_target;
    QLabel *lblTitle = nullptr;
    QPushButton *cmdBM = nullptr;
    QListWidget *lstLR = nullptr;
    KeyboardDiagram *fraKeyboard = nullptr;
    std::vector<std::pair<QLabel *, QLabel *>> m_paragraphs; // English, Malay
};

} // namespace keyvora
