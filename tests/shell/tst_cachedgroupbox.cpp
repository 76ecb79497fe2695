// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/cachedgroupbox.h"

#include <QLabel>
#include <QTest>

#include <algorithm>
#include <cstdlib>
#include <functional>

using namespace keyvora;

Q_DECLARE_METATYPE(std::function<void(QGroupBox &)>)

namespace {

// The picture goes through a transparent pixmap before it meets the background, which may
// round a colour channel by one; a stale picture differs by far more.
int largestDifference(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return 255;
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)),
                                std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
        }
    }
    return largest;
}

} // namespace

// The cached box must look exactly like Qt's own, also after whatever changes what it shows.
class CachedGroupBoxTest : public QObject {
    Q_OBJECT
private slots:
    void looksLikeTheStockBox_data();
    void looksLikeTheStockBox();
};

void CachedGroupBoxTest::looksLikeTheStockBox_data()
{
    using Change = std::function<void(QGroupBox &)>;
    QTest::addColumn<Change>("change");

    QTest::newRow("as first shown") << Change([](QGroupBox &) {});
    QTest::newRow("a new caption") << Change([](QGroupBox &box) { box.setTitle("Other words"); });
    QTest::newRow("disabled") << Change([](QGroupBox &box) { box.setEnabled(false); });
    QTest::newRow("resized") << Change([](QGroupBox &box) { box.resize(180, 90); });
    QTest::newRow("a larger font") << Change([](QGroupBox &box) {
        QFont font = box.font();
        font.setPointSize(font.pointSize() * 2);
        box.setFont(font);
    });
    QTest::newRow("another window colour") << Change([](QGroupBox &box) {
        QPalette palette = box.palette();
        palette.setColor(QPalette::Window, Qt::yellow);
        palette.setColor(QPalette::WindowText, Qt::blue);
        box.setPalette(palette);
    });
}

void CachedGroupBoxTest::looksLikeTheStockBox()
{
    QFETCH(std::function<void(QGroupBox &)>, change);

    CachedGroupBox cached("Typing Statistics");
    QGroupBox stock("Typing Statistics");
    for (QGroupBox *box : {static_cast<QGroupBox *>(&cached), &stock}) {
        box->resize(240, 70);
        new QLabel("Speed: 12 WPM", box);
        // Painted once as it was, so that a stale picture would show.
        box->grab();
        change(*box);
    }
    QVERIFY(largestDifference(cached.grab().toImage(), stock.grab().toImage()) <= 2);
}

QTEST_MAIN(CachedGroupBoxTest)
#include "tst_cachedgroupbox.moc"
