// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/mainwindow.h"

#include "design/designfont.h"
#include "keyboard/keyboarddiagram.h"
#include "keyboard/keymodel.h"
#include "lessons/builtintests.h"
#include "lessons/practicefile.h"
#include "lessons/practicetarget.h"
#include "lessons/tutorial.h"
#include "shell/aboutbox.h"
#include "shell/ascconverter.h"
#include "shell/commondialog.h"
#include "shell/platform.h"
#include "shell/practice.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QUrl>

#include <algorithm>

namespace keyvora {

namespace {

constexpr int kHelpKeywordLookup = 0x0101;
const QString kPracticeFileFilter = QStringLiteral("Text Files (*.txt)|*txt|All Files |**");

enum class Check { None, On, Off, English, Malay };

struct MenuItem {
    const char *name;
    const char *parent; // nullptr for the menu bar
    Text caption;
    int shortcut;
    Check check;
    void (MainWindow::*handler)();
};

// The whole menu tree, in display order. The Backspacing pair needs no handler: its action group
// keeps one of the two checked, and the practice reads which as each key comes.
const MenuItem kMenu[] = {
    {"mnuFile", nullptr, Text::MnuFile, 0, Check::None, nullptr},
    {"mnuFileOpen", "mnuFile", Text::MnuFileOpen, (Qt::CTRL | Qt::Key_O).toCombined(), Check::None,
     &MainWindow::mnuFileOpen_Click},
    {"mnuFileReset", "mnuFile", Text::MnuFileReset, (Qt::CTRL | Qt::Key_R).toCombined(),
     Check::None, &MainWindow::mnuFileReset_Click},
    {"mnuFileExit", "mnuFile", Text::MnuFileExit, 0, Check::None, &MainWindow::mnuFileExit_Click},
    {"mnuLes", nullptr, Text::MnuLes, 0, Check::None, nullptr},
    {"mnuLesTut", "mnuLes", Text::MnuLesTut, 0, Check::None, nullptr},
    {"mnuLesTutIntro", "mnuLesTut", Text::MnuLesTutIntro, 0, Check::None,
     &MainWindow::mnuLesTutIntro_Click},
    {"mnuLesTutLR", "mnuLesTut", Text::MnuLesTutLR, 0, Check::None, &MainWindow::mnuLesTutLR_Click},
    {"mnuLesTutShift", "mnuLesTut", Text::MnuLesTutShift, 0, Check::None,
     &MainWindow::mnuLesTutShift_Click},
    {"mnuLesTest", "mnuLes", Text::MnuLesTest, 0, Check::None, nullptr},
    {"mnuLesTestGen", "mnuLesTest", Text::MnuLesTestGen, 0, Check::None,
     &MainWindow::mnuLesTestGen_Click},
    {"mnuLesTestShort", "mnuLesTest", Text::MnuLesTestShort, 0, Check::None,
     &MainWindow::mnuLesTestShort_Click},
    {"mnuLesTestArt", "mnuLesTest", Text::MnuLesTestArt, 0, Check::None,
     &MainWindow::mnuLesTestArt_Click},
    {"mnuSet", nullptr, Text::MnuSet, 0, Check::None, nullptr},
    {"mnuSetBs", "mnuSet", Text::MnuSetBs, 0, Check::None, nullptr},
    {"mnuSetBsOn", "mnuSetBs", Text::MnuSetBsOn, 0, Check::On, nullptr},
    {"mnuSetBsOff", "mnuSetBs", Text::MnuSetBsOff, 0, Check::Off, nullptr},
    {"mnuSetLang", "mnuSet", Text::MnuSetLang, 0, Check::None, nullptr},
    {"mnuSetLangEng", "mnuSetLang", Text::MnuSetLangEng, Qt::Key_F11, Check::English,
     &MainWindow::mnuSetLangEng_Click},
    {"mnuSetLangBM", "mnuSetLang", Text::MnuSetLangBM, Qt::Key_F12, Check::Malay,
     &MainWindow::mnuSetLangBM_Click},
    {"mnuTools", nullptr, Text::MnuTools, 0, Check::None, nullptr},
    {"mnuToolsAsc", "mnuTools", Text::MnuToolsAsc, Qt::Key_F9, Check::None,
     &MainWindow::mnuToolsAsc_Click},
    {"mnuHelp", nullptr, Text::MnuHelp, 0, Check::None, nullptr},
    {"mnuHelpContents", "mnuHelp", Text::MnuHelpContents, Qt::Key_F1, Check::None,
     &MainWindow::mnuHelpContents_Click},
    {"mnuHelpAbout", "mnuHelp", Text::MnuHelpAbout, 0, Check::None,
     &MainWindow::mnuHelpAbout_Click},
};

QLabel *statisticLabel(QWidget *frame, const char *name, const QString &text, const QRect &rect)
{
    auto *label = new QLabel(text, frame);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(rect);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setFont(copperplateFont(12));
    // Opaque, so that a figure's change, several a second while the clock runs, repaints the
    // label alone and never the group box beneath it.
    label->setAutoFillBackground(true);
    return label;
}

} // namespace

MainWindow::MainWindow(Language language, Platform &platform, MainWindowHost &host, QWidget *parent)
    // Fixed single border: the system menu and the close box, no minimise or maximise button.
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                              Qt::MSWindowsFixedSizeDialogHint)
    , m_language(language)
    , m_platform(platform)
    , m_host(host)
    , m_lessons(host)
    , cmDlg(platform.makeCommonDialog(this))
{
    setObjectName(language == Language::English ? QStringLiteral("frmMain")
                                                : QStringLiteral("frmMainMalay"));
    setWindowTitle(caption(Text::WindowCaption));
    buildControls();
    buildMenus();

    m_practice = std::make_unique<Practice>(
        language, platform, *this,
        PracticeControls{*rtbSource, *lblInput, *rtbInput, *lblSpeed, *lblAccuracy, *lblNextLtr,
                         *lblNumOfWords, *lblDuration, *fraKeyboard,
                         *findChild<QAction *>(QStringLiteral("mnuSetBsOff"))});

    // Fixed single border: the client area is the design's 800 x 600 below the menu bar.
    setFixedSize(800, 600 + menuBar()->sizeHint().height());
    move(screen()->availableGeometry().center() - rect().center());
    rtbInput->setFocus();
    setAcceptDrops(true);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildControls()
{
    menuBar(); // the menu bar is read first, as it is seen first
    auto *client = new QWidget(this);
    client->setFont(designFont(QStringLiteral("Times New Roman"), 9.75));
    setCentralWidget(client);

    rtbSource = m_platform.makeSourceBox(client);
    rtbSource->setObjectName(QStringLiteral("rtbSource"));
    rtbSource->setGeometry(twipsRect(360, 120, 11295, 2490));
    rtbSource->setFont(designFont(QStringLiteral("Times New Roman"), 20.25));
    rtbSource->setAccessibleName(caption(Text::DescSource));
    rtbSource->setAccessibleDescription(caption(Text::DescSource));

    lblInput = new QLabel(caption(Text::LblInput), client);
    lblInput->setObjectName(QStringLiteral("lblInput"));
    lblInput->setGeometry(twipsRect(480, 2760, 2175, 375));
    lblInput->setFont(copperplateFont(11.25));

    rtbInput = m_platform.makeInputBox(client);
    rtbInput->setObjectName(QStringLiteral("rtbInput"));
    rtbInput->setGeometry(twipsRect(360, 3120, 11295, 525));
    rtbInput->setFont(designFont(QStringLiteral("Times New Roman"), 20.25));
    // Its caption is its name for a screen reader.
    lblInput->setBuddy(rtbInput);

    // The input box comes first in the tab order, so it holds the focus when the window opens.
    setTabOrder(rtbInput, rtbSource);

    fraTypingStats = new QGroupBox(caption(Text::FraTypingStats), client);
    fraTypingStats->setObjectName(QStringLiteral("fraTypingStats"));
    fraTypingStats->setGeometry(twipsRect(360, 3720, 11295, 1095));
    fraTypingStats->setFont(copperplateFont(11.25));

    lblSpeed = statisticLabel(fraTypingStats, "lblSpeed", caption(Text::LblSpeed),
                              twipsRect(120, 480, 2460, 465));
    lblAccuracy = statisticLabel(fraTypingStats, "lblAccuracy", caption(Text::LblAccuracy),
                                 twipsRect(2640, 480, 2460, 465));
    // Made in the order the eye reads them, which is the order a screen reader follows.
    lblNextLtr = new QLabel(fraTypingStats);
    lblNextLtr->setObjectName(QStringLiteral("lblNextLtr"));
    lblNextLtr->setGeometry(twipsRect(5160, 240, 900, 780));
    lblNextLtr->setTextFormat(Qt::PlainText);
    lblNextLtr->setAlignment(Qt::AlignCenter);
    lblNextLtr->setFrameStyle(QFrame::Box | QFrame::Plain);
    lblNextLtr->setAutoFillBackground(true);
    // The white box is the design's own, so its letter stays black whatever the desktop's colours.
    QPalette white = lblNextLtr->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    lblNextLtr->setPalette(white);
    // A name of its own, which says the character once a screen reader listens; the bare
    // character alone would be read as a stray letter.
    lblNextLtr->setAccessibleName(caption(Text::DescNextLetter));
    lblNextLtr->setAccessibleDescription(caption(Text::DescNextLetter));
    lblNextLtr->setFont(designFont(QStringLiteral("Times New Roman"), 26.25));

    lblNumOfWords = statisticLabel(fraTypingStats, "lblNumOfWords", caption(Text::LblNumOfWords),
                                   twipsRect(6120, 480, 2460, 465));
    lblDuration = statisticLabel(fraTypingStats, "lblDuration", caption(Text::LblDuration),
                                 twipsRect(8640, 480, 2460, 465));

    fraKeyboard = new KeyboardDiagram(DiagramWindow::Main, client);
    fraKeyboard->describe(m_language == Language::Malay);
}

void MainWindow::buildMenus()
{
    const auto isSubmenu = [](const char *name) {
        return std::any_of(std::begin(kMenu), std::end(kMenu), [name](const MenuItem &item) {
            return item.parent && qstrcmp(item.parent, name) == 0;
        });
    };
    QHash<QByteArray, QMenu *> menus;
    auto *backspacing = new QActionGroup(this);
    auto *languages = new QActionGroup(this);
    for (const MenuItem &item : kMenu) {
        const QString title = caption(item.caption);
        if (isSubmenu(item.name)) {
            QMenu *menu =
                item.parent ? menus.value(item.parent)->addMenu(title) : menuBar()->addMenu(title);
            menu->setObjectName(QLatin1String(item.name));
            menus.insert(item.name, menu);
            continue;
        }
        QAction *action = menus.value(item.parent)->addAction(title);
        action->setObjectName(QLatin1String(item.name));
        if (item.shortcut != 0)
            action->setShortcut(QKeySequence(item.shortcut));
        if (item.check != Check::None) {
            const bool language = item.check == Check::English || item.check == Check::Malay;
            action->setCheckable(true);
            action->setChecked(
                item.check == Check::On ||
                (language && (item.check == Check::English) == (m_language == Language::English)));
            (language ? languages : backspacing)->addAction(action);
        }
        if (item.handler)
            connect(action, &QAction::triggered, this, item.handler);
    }
    // The language checkmarks never move: each window's own language stays checked in it.
    QAction *own = languages->checkedAction();
    connect(languages, &QActionGroup::triggered, own, [own] { own->setChecked(true); });
}

void MainWindow::loadPracticeText(const QString &text)
{
    rtbSource->setText(text);
}

void MainWindow::present()
{
    show();
    activateWindow();
    rtbInput->setFocus();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    QMainWindow::closeEvent(event);
    if (event->isAccepted())
        m_host.mainWindowClosed();
}

// Whenever the learner comes back to this window (a tutorial, a message box or another program
// closed), the keys go to the input box, so typing goes on without the mouse.
void MainWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        rtbInput->setFocus();
}

void MainWindow::mnuFileOpen_Click()
{
    cmDlg->setCancelError(true);
    cmDlg->setFilter(kPracticeFileFilter);
    cmDlg->setInitDir(m_openFolder.isEmpty() ? openStartFolder() : m_openFolder);
    if (!cmDlg->showOpen())
        return;
    m_openFolder = QFileInfo(cmDlg->fileName()).absolutePath();
    loadPracticeFile(cmDlg->fileName());
}

// The practice library's texts in the window's language, or the learner's home when the
// library is not there.
QString MainWindow::openStartFolder() const
{
    for (const QString &folder : m_platform.dataFolders()) {
        const QString set =
            QDir(folder).filePath(QStringLiteral("library/") + caption(Text::LibrarySet));
        if (QFileInfo(set).isDir())
            return set;
    }
    return QDir::homePath();
}

void MainWindow::loadPracticeFile(const QString &path)
{
    PracticeFile file = readPracticeFile(path);
    switch (file.status) {
    case PracticeFile::Status::Loaded:
        // The box becomes the book's only holder, so that normalising reuses its storage.
        rtbSource->setText(std::move(file.text));
        break;
    case PracticeFile::Status::TooLarge:
        m_platform.message(
            this, caption(Text::WindowCaption),
            caption(Text::FileTooLarge).arg(path).arg(kMaxPracticeFileBytes / (1024 * 1024)),
            Platform::Buttons::Ok);
        break;
    case PracticeFile::Status::Unreadable:
        break;
    }
}

namespace {

// A drop brings a practice text when its first item is a local file (a web address has no
// local path); nothing else is taken.
QString droppedFile(const QMimeData *data)
{
    const QList<QUrl> urls = data && data->hasUrls() ? data->urls() : QList<QUrl>();
    return urls.isEmpty() ? QString() : urls.constFirst().toLocalFile();
}

// A window behind a modal one takes no drop, as it takes no key or click.
bool takesDrop(const QMimeData *data)
{
    return !QApplication::activeModalWidget() && !droppedFile(data).isEmpty();
}

} // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    dragMoveEvent(event);
}

void MainWindow::dragMoveEvent(QDragMoveEvent *event)
{
    if (takesDrop(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    if (!takesDrop(event->mimeData())) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    // Loaded once the drop is over: a message about the file must not hold up the program
    // the file came from, which waits for the drop to end.
    QMetaObject::invokeMethod(
        this,
        [this, path = droppedFile(event->mimeData())] {
            loadPracticeFile(path);
            activateWindow();
        },
        Qt::QueuedConnection);
}

void MainWindow::mnuFileReset_Click()
{
    m_practice->reset();
}

void MainWindow::mnuFileExit_Click()
{
    close();
}

void MainWindow::mnuLesTutIntro_Click()
{
    openTutorial(TutorialKind::Intro);
}

void MainWindow::mnuLesTutLR_Click()
{
    openTutorial(TutorialKind::LeftRight);
}

void MainWindow::mnuLesTutShift_Click()
{
    openTutorial(TutorialKind::Shift);
}

// Modal without an owner, as the design has it: it blocks both main windows until it closes.
void MainWindow::openTutorial(TutorialKind kind)
{
    Tutorial tutorial(kind, m_lessons);
    showModal(tutorial);
}

void MainWindow::showModal(QDialog &dialog)
{
    m_platform.showModal(dialog);
    // Not every desktop hands the activation back when a modal window closes.
    activateWindow();
    rtbInput->setFocus();
}

void MainWindow::mnuLesTestGen_Click()
{
    m_lessons.LoadPracticeText(generalKeyText());
}

void MainWindow::mnuLesTestShort_Click()
{
    m_lessons.LoadPracticeText(shortWordsText());
}

void MainWindow::mnuLesTestArt_Click()
{
    m_lessons.LoadPracticeText(articleText());
}

// Each item asks for its language's window; in the window of that language already, the
// host has nothing to do, so the window's own item stays without effect.
void MainWindow::mnuSetLangEng_Click()
{
    m_host.showLanguage(Language::English);
}

void MainWindow::mnuSetLangBM_Click()
{
    m_host.showLanguage(Language::Malay);
}

void MainWindow::mnuToolsAsc_Click()
{
    AscConverter converter(m_platform, this);
    showModal(converter);
}

// The Malay window opens the manual too, in Malay.
void MainWindow::mnuHelpContents_Click()
{
    cmDlg->setHelpFile(caption(Text::HelpFile));
    cmDlg->setHelpKey(QString());
    cmDlg->setHelpCommand(kHelpKeywordLookup);
    cmDlg->setHelpLanguage(m_language);
    cmDlg->showHelp();
}

void MainWindow::mnuHelpAbout_Click()
{
    AboutBox about(m_platform, m_platform.registry(), m_platform.launcher(), this);
    showModal(about);
}

} // namespace keyvora
