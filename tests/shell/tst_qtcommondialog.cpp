// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rows.h"

#include "shell/bell.h"
#include "shell/qtcommondialog.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QTemporaryDir>

#include <canberra.h>

#include <atomic>

using keyvora::test::columns;
using keyvora::test::row;

namespace {
// The sound server behind libcanberra: a connection opened to one server fails with the
// library's state error once that server is gone, as PulseAudio's backend does.
struct FakeSoundServer {
    class Context final : public keyvora::SoundContext {
    public:
        explicit Context(FakeSoundServer &server)
            : m_server(server)
        {
        }
        int open() override
        {
            if (!m_server.up)
                return CA_ERROR_DISCONNECTED;
            m_generation = m_server.generation;
            return CA_SUCCESS;
        }
        int play(const char *eventId) override
        {
            if (m_generation < 0 && open() != CA_SUCCESS)
                return CA_ERROR_DISCONNECTED;
            if (!m_server.up || m_generation != m_server.generation)
                return CA_ERROR_STATE;
            return m_server.themeEvents.contains(QLatin1String(eventId)) ? CA_SUCCESS
                                                                         : CA_ERROR_NOTFOUND;
        }

    private:
        FakeSoundServer &m_server;
        int m_generation = -1;
    };

    bool up = true;
    int generation = 0;
    QStringList themeEvents{"bell-window-system", "bell"};
};

const QString kOpenFilter = QStringLiteral("Text Files (*.txt)|*txt|All Files |**");
} // namespace

class TestQtCommonDialog : public QObject {
    Q_OBJECT
private slots:
    // The sound system may hang: rings meanwhile return at once and each makes its sound
    // later, up to a second's worth; a sound that cannot be made falls back to the toolkit's
    // beep. The connection is made once, before the first ring.
    void bellNeverWaits_data()
    {
        columns<bool, int, int>({"plays", "rings", "sounds"});
        row("a ring is a sound", true, 1, 1);
        row("rings while the sound hangs wait, up to ten", true, 15, 11);
        row("no sound: the fallback for each ring", false, 4, 4);
    }
    void bellNeverWaits()
    {
        QFETCH(bool, plays);
        QFETCH(int, rings);
        QFETCH(int, sounds);
        std::atomic<bool> released = false;
        std::atomic<int> prepared = 0, started = 0, made = 0, fallbacks = 0;
        {
            keyvora::Bell bell([&] { ++prepared; },
                               [&] {
                                   ++started;
                                   released.wait(false);
                                   ++made;
                                   return plays;
                               },
                               [&] { ++fallbacks; }, std::chrono::milliseconds(0));
            QTRY_COMPARE(prepared.load(), 1);
            bell.ring();
            QTRY_COMPARE(started.load(), 1);
            for (int i = 1; i < rings; ++i)
                bell.ring();
            released = true;
            released.notify_all();
            QTRY_COMPARE(made.load(), sounds);
        }
        // Nothing more once the bell is gone.
        QCOMPARE(made.load(), sounds);
        QCOMPARE(prepared.load(), 1);
        QCOMPARE(fallbacks.load(), plays ? 0 : sounds);
    }

    // Script: c connect ahead, r a mistake, d the server goes away, u a server is up again,
    // N the theme lacks the window-system bell, X any bell. Heard: + the theme's bell, - the
    // fallback.
    void bellSurvivesTheSoundServer_data()
    {
        columns<QString, QString>({"script", "heard"});
        row("a restarted server is reconnected to", "crdurr", "+++");
        row("server away: the fallback until it is back", "crdrrur", "+--+");
        row("a theme without the window-system bell: the older name", "Ncrr", "++");
        row("a theme without any bell: the fallback", "Xcrr", "--");
    }
    void bellSurvivesTheSoundServer()
    {
        QFETCH(QString, script);
        FakeSoundServer server;
        keyvora::DesktopBellSound sound(
            [&server] { return std::make_unique<FakeSoundServer::Context>(server); });
        QString heard;
        for (QChar step : script) {
            if (step == u'c') {
                sound.connect();
            } else if (step == u'r') {
                heard += sound.play() ? u'+' : u'-';
            } else if (step == u'd' || step == u'u') {
                server.up = step == u'u';
                server.generation += int(step == u'd');
            } else {
                server.themeEvents = step == u'N' ? QStringList{"bell"} : QStringList{};
            }
        }
        QTEST(heard, "heard");
    }

    void convertsFilters_data()
    {
        columns<QString, QStringList>({"filter", "nameFilters"});
        row("the pattern follows a description that has parentheses of its own", kOpenFilter,
            QStringList{"Text Files (*.txt) (*txt)", "All Files  (**)"});
        row("several patterns are separated by blanks", "Notes|*.txt;*.md",
            QStringList{"Notes (*.txt *.md)"});
        row("a description without a pattern is dropped", "Text|*txt|Orphan",
            QStringList{"Text (*txt)"});
    }
    void convertsFilters()
    {
        QFETCH(QString, filter);
        QTEST(keyvora::qtNameFilters(filter), "nameFilters");
    }

    void showOpen_data()
    {
        columns<bool>({"choose"});
        row("choosing a file gives its full path", true);
        row("cancelling fails and names no file", false);
    }
    void showOpen()
    {
        QFETCH(bool, choose);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"notes_txt"_qs);
        QVERIFY(QFile(path).open(QIODevice::WriteOnly));
        QWidget window;
        keyvora::QtCommonDialog layer(&window);
        layer.setFilter(kOpenFilter);
        QWidget *parent = nullptr;
        QString shownFilter;
        // Runs once the dialog's own event loop is up.
        QMetaObject::invokeMethod(
            this,
            [&] {
                auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
                if (!dialog)
                    qFatal("the open dialog did not come up");
                parent = dialog->parentWidget();
                // The learner sees the description as written, not the patterns added to it.
                shownFilter = dialog->findChild<QComboBox *>("fileTypeCombo")->itemText(0);
                dialog->selectFile(path);
                choose ? static_cast<QDialog *>(dialog)->accept() : dialog->reject();
            },
            Qt::QueuedConnection);
        QCOMPARE(layer.showOpen(), choose);
        QCOMPARE(parent, &window);
        QCOMPARE(shownFilter, u"Text Files (*.txt)"_qs);
        QCOMPARE(layer.fileName(), choose ? path : QString());
    }
};

QTEST_MAIN(TestQtCommonDialog)
#include "tst_qtcommondialog.moc"
