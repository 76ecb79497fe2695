// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lessons/tutorial.h"

#include "design/designfont.h"
#include "keyboard/keyboarddiagram.h"
#include "lessons/drills.h"
#include "lessons/practicetarget.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>

namespace keyvora {

namespace {

QString inLanguage(TutorialText text, bool malay)
{
    return QString::fromUtf16(malay ? text.malay : text.english);
}

QLabel *paragraph(QWidget *parent, const char *name, const TwipRect &rect, const char16_t *text)
{
    auto *label = new QLabel(QString::fromUtf16(text), parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(twipsRect(rect));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QPushButton *button(QWidget *parent, const char *name, const QString &caption, const TwipRect &rect)
{
    auto *push = new QPushButton(caption, parent);
    push->setObjectName(QLatin1String(name));
    push->setGeometry(twipsRect(rect));
    push->setFont(designFont(QStringLiteral("Arial"), 8.25));
    // No button is the window's default, not even for a moment: Qt's auto-default would hand
    // Enter to a button that has lost the focus, Cancel among them.
    push->setAutoDefault(false);
    return push;
}

} // namespace

Tutorial::Tutorial(TutorialKind kind, PracticeTarget &target, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_design(tutorialDesign(kind))
    , m_target(target)
{
    setObjectName(QLatin1String(m_design.name));
    setWindowTitle(QString::fromUtf16(m_design.openingTitle));
    setFont(designFont(QStringLiteral("Arial"), 9));

    lblTitle = new QLabel(QString::fromUtf16(m_design.openingLabel), this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->setGeometry(twipsRect(m_design.titleRect));
    lblTitle->setTextFormat(Qt::PlainText);
    QFont bold = designFont(QStringLiteral("Arial"), 12);
    bold.setBold(true);
    lblTitle->setFont(bold);

    for (const TutorialParagraph &pair : m_design.paragraphs) {
        QLabel *english = paragraph(this, pair.englishName, pair.englishRect, pair.english);
        QLabel *malay = paragraph(this, pair.malayName, pair.malayRect, pair.malay);
        malay->hide();
        m_paragraphs.emplace_back(english, malay);
    }

    // Made in reading order, the order a screen reader follows: the language button above the
    // diagram, the drill list to the right of everything but the buttons below it.
    cmdBM = button(this, "cmdBM", inLanguage(kLanguageButtonText, false), m_design.languageButton);
    fraKeyboard = new KeyboardDiagram(m_design.diagram, this);
    fraKeyboard->describe(false);
    if (!m_design.drill) {
        lstLR = new QListWidget(this);
        lstLR->setObjectName(QStringLiteral("lstLR"));
        lstLR->setGeometry(twipsRect(m_design.drillList));
        lstLR->setFont(designFont(QStringLiteral("Verdana"), 9.75));
        lstLR->setAccessibleName(inLanguage(kDrillListName, false));
        for (int row = 0; row < kFingerDrills; ++row)
            lstLR->addItem(fingerDrillCaption(row));
        connect(lstLR, &QListWidget::itemDoubleClicked, this, &Tutorial::lstLR_DblClick);
    }
    QPushButton *start =
        m_design.drill ? button(this, "cmdNext", QStringLiteral("&Next"), m_design.startButton)
                       : button(this, "cmdOK", QStringLiteral("&OK"), m_design.startButton);
    QPushButton *cmdCancel =
        button(this, "cmdCancel", QStringLiteral("&Cancel"), m_design.cancelButton);
    connect(start, &QPushButton::clicked, this, &Tutorial::cmdNext_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &Tutorial::cmdCancel_Click);
    connect(cmdBM, &QPushButton::clicked, this, &Tutorial::cmdBM_Click);
    // The button that starts the drill comes first in the tab order.
    setTabOrder(start, cmdCancel);
    setTabOrder(cmdCancel, cmdBM);
    if (lstLR)
        setTabOrder(cmdBM, lstLR);
    start->setFocus();

    setFixedSize(twips(m_design.width), twips(m_design.height));
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

// The window's language is read off the button alone.
void Tutorial::cmdBM_Click()
{
    const bool toMalay = cmdBM->text() == inLanguage(kLanguageButtonText, false);
    cmdBM->setText(inLanguage(kLanguageButtonText, toMalay));
    const QString title = QString::fromUtf16(toMalay ? m_design.malayTitle : m_design.englishTitle);
    setWindowTitle(title);
    lblTitle->setText(title);
    for (const auto &[english, malay] : m_paragraphs) {
        malay->setVisible(toMalay);
        english->setVisible(!toMalay);
    }
    fraKeyboard->describe(toMalay);
    if (lstLR)
        lstLR->setAccessibleName(inLanguage(kDrillListName, toMalay));
}

void Tutorial::cmdNext_Click()
{
    if (m_design.drill) {
        startDrill(m_design.drill());
        return;
    }
    const QList<QListWidgetItem *> selected = lstLR->selectedItems();
    if (!selected.isEmpty())
        startDrill(fingerDrill(lstLR->row(selected.first())));
}

void Tutorial::lstLR_DblClick()
{
    cmdNext_Click();
}

void Tutorial::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QDialog::keyPressEvent(event); // Escape closes, as Cancel does
        return;
    }
    // Enter answers for what has the focus and nothing else.
    if (auto *focused = qobject_cast<QPushButton *>(focusWidget()))
        focused->click();
    else if (lstLR && focusWidget() == lstLR)
        lstLR_DblClick();
}

void Tutorial::cmdCancel_Click()
{
    reject();
}

void Tutorial::startDrill(const QString &drill)
{
    accept();
    m_target.LoadPracticeText(drill);
}

} // namespace keyvora
