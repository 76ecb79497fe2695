// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/helpwindow.h"

#include <QAction>
#include <QBoxLayout>
#include <QCloseEvent>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTextDocument>
#include <QToolBar>

namespace keyvora {

namespace {

const QString kScheme = QStringLiteral("keyvora-help");

QUrl indexUrl()
{
    return QUrl(kScheme + QStringLiteral(":index"));
}

QUrl topicUrl(const QString &slug)
{
    return QUrl(kScheme + QStringLiteral(":topic/") + slug);
}

QString slugOf(const QUrl &page)
{
    const QString path = page.path();
    return path.startsWith(QLatin1String("topic/")) ? path.mid(6) : QString();
}

QString plainText(const QString &markdown)
{
    QTextDocument document;
    document.setMarkdown(markdown);
    return document.toPlainText();
}

} // namespace

HelpBrowser::HelpBrowser(QWidget *parent)
    : QTextBrowser(parent)
{
    setObjectName(QStringLiteral("txtHelp"));
    setOpenLinks(false);
    setOpenExternalLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &HelpBrowser::followLink);
}

void HelpBrowser::setManual(HelpManual manual, Language language)
{
    m_manual = std::move(manual);
    m_language = language;
    clearHistory();
    showIndex();
}

void HelpBrowser::showIndex()
{
    setSource(indexUrl(), QTextDocument::MarkdownResource);
}

void HelpBrowser::showTopic(const QString &slug)
{
    if (m_manual.topic(slug))
        setSource(topicUrl(slug), QTextDocument::MarkdownResource);
}

QString HelpBrowser::shownTopic() const
{
    return slugOf(source());
}

// Every other scheme, and every link to a topic that does not exist, goes nowhere.
void HelpBrowser::followLink(const QUrl &link)
{
    if (link.scheme() != kScheme)
        return;
    if (link.hasFragment())
        showTopic(link.fragment());
}

QVariant HelpBrowser::loadResource(int type, const QUrl &name)
{
    if (name.scheme() != kScheme)
        return {};
    if (type == QTextDocument::ImageResource) {
        QFile picture(QStringLiteral(":/manual/images/") + name.fileName());
        if (!picture.open(QIODevice::ReadOnly))
            return {};
        return QImage::fromData(picture.readAll());
    }
    if (type != QTextDocument::MarkdownResource)
        return {};
    if (const HelpManual::Topic *topic = m_manual.topic(slugOf(name)))
        return topic->markdown;
    QString page = QStringLiteral("# ") + m_manual.title + QStringLiteral("\n\n") +
                   m_manual.introduction + QStringLiteral("\n\n## ") +
                   text(m_language, Text::HelpTopics) + QStringLiteral("\n\n");
    for (const HelpManual::Topic &topic : m_manual.topics)
        page += QStringLiteral("- [%1](#%2)\n").arg(topic.title, topic.slug);
    return page;
}

HelpWindow::HelpWindow(const FoundManual &found, Language language, QWidget *parent)
    : QWidget(parent, Qt::Window)
    // The page and the notice take their place in the layout below, after the tool bar, so that
    // a screen reader meets them in the order they are seen.
    , m_browser(new HelpBrowser(nullptr))
    , m_find(new QLineEdit(this))
    , m_notice(new QLabel(nullptr))
{
    setObjectName(QStringLiteral("frmHelp"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(text(language, Text::HelpCaption));

    auto *tools = new QToolBar(this);
    const auto command = [&](Text caption, QKeySequence key, auto slot) {
        QAction *action = tools->addAction(text(language, caption));
        action->setShortcut(key);
        connect(action, &QAction::triggered, m_browser, slot);
        return action;
    };
    QAction *back = command(Text::HelpBack, QKeySequence::Back, &QTextBrowser::backward);
    QAction *forward = command(Text::HelpForward, QKeySequence::Forward, &QTextBrowser::forward);
    command(Text::HelpContents, QKeySequence(Qt::ALT | Qt::Key_Home), &HelpBrowser::showIndex);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);

    auto *findLabel = new QLabel(text(language, Text::HelpFind), tools);
    findLabel->setBuddy(m_find);
    tools->addWidget(findLabel);
    m_find->setObjectName(QStringLiteral("txtFind"));
    m_find->setClearButtonEnabled(true);
    tools->addWidget(m_find);
    connect(m_find, &QLineEdit::returnPressed, this, [this] { find(m_find->text()); });

    auto *findAgain = new QAction(this);
    findAgain->setShortcut(QKeySequence::FindNext);
    connect(findAgain, &QAction::triggered, this, [this] { find(m_find->text()); });
    auto *findBack = new QAction(this);
    findBack->setShortcut(QKeySequence::FindPrevious);
    connect(findBack, &QAction::triggered, this, [this] { find(m_find->text(), true); });
    auto *toFind = new QAction(this);
    toFind->setShortcut(QKeySequence::Find);
    connect(toFind, &QAction::triggered, this, [this] {
        m_find->setFocus();
        m_find->selectAll();
    });
    auto *close = new QAction(this);
    close->setShortcuts({QKeySequence::Close, QKeySequence(Qt::Key_Escape)});
    connect(close, &QAction::triggered, this, &QWidget::close);
    addActions({findAgain, findBack, toFind, close});

    m_notice->setObjectName(QStringLiteral("lblNotice"));
    m_notice->setWordWrap(true);
    m_notice->setTextFormat(Qt::PlainText);
    QString notice = found.problems.trimmed();
    if (found.path.startsWith(u':') && !notice.isEmpty())
        notice += u'\n' + text(language, Text::HelpBuiltIn);
    m_notice->setText(notice);
    m_notice->setVisible(!notice.isEmpty());

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tools);
    layout->addWidget(m_notice);
    layout->addWidget(m_browser, 1);
    m_notice->setContentsMargins(8, 6, 8, 6);

    m_browser->document()->setDocumentMargin(14);
    m_browser->setAccessibleName(text(language, Text::HelpPage));
    m_browser->setManual(HelpManual::parse(found.markdown), language);
    m_browser->setFocus();
    resize(660, 720);
}

bool HelpWindow::find(const QString &what, bool backward)
{
    if (what.isEmpty())
        return false;
    const QTextDocument::FindFlags flags =
        backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    if (m_browser->find(what, flags))
        return true;
    // On through the other topics, wrapping round to the one shown.
    const std::vector<HelpManual::Topic> &topics = m_browser->manual().topics;
    const int count = int(topics.size());
    int shown = -1;
    for (int i = 0; i < count; ++i) {
        if (topics[i].slug == m_browser->shownTopic())
            shown = i;
    }
    if (shown < 0)
        shown = backward ? count : -1;
    for (int step = 1; step <= count; ++step) {
        const int next = ((backward ? shown - step : shown + step) % count + count) % count;
        if (!plainText(topics[next].markdown).contains(what, Qt::CaseInsensitive))
            continue;
        if (next != shown)
            m_browser->showTopic(topics[next].slug);
        m_browser->moveCursor(backward ? QTextCursor::End : QTextCursor::Start);
        return m_browser->find(what, flags);
    }
    return false;
}

void HelpWindow::placeBeside(const QWidget &window)
{
    const QScreen *screen = window.screen();
    if (!screen)
        return;
    const QRect room = screen->availableGeometry();
    const QRect beside = window.frameGeometry();
    resize(qMin(width(), room.width()), qMin(qMax(height(), beside.height()), room.height()));
    int x = beside.right() + 1;
    if (x + width() > room.right() + 1)
        x = beside.left() - width();
    x = qBound(room.left(), x, room.right() + 1 - width());
    const int y = qBound(room.top(), beside.top(), room.bottom() + 1 - height());
    move(x, y);
}

void HelpWindow::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    emit closed();
}

} // namespace keyvora
