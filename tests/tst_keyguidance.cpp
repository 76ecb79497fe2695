#include "keyboard/keyboarddiagram.h"
#include "keyboard/keyguidance.h"

#include <QTest>

using namespace keyvora;

namespace {

// Ticks when the test says so; the guidance cannot tell it from the real timer.
struct ManualTicker final : Ticker {
    explicit ManualTicker(std::function<void()> tick)
        : onTick(std::move(tick))
    {
    }
    void start() override { active = true; }
    void stop() override { active = false; }
    bool isActive() const override { return active; }
    std::function<void()> onTick;
    bool active = false;
};

const QString kUnshifted = u"0123456789`-=[]\\;',./"_qs;
const QString kShifted = u")!@#$%^&*(~_+{}|:\"<>?"_qs;

} // namespace

class TestKeyGuidance : public QObject {
    Q_OBJECT

    std::unique_ptr<KeyboardDiagram> m_diagram;
    std::unique_ptr<KeyGuidance> m_guidance;
    ManualTicker *m_tmrResetKey = nullptr;

    QList<QString> litBoxes() const
    {
        QList<QString> lit;
        for (std::size_t i = 0; i < keys().size(); ++i) {
            if (m_diagram->keyBox(i)->fillMode() == FillMode::Opaque)
                lit << m_diagram->keyBox(i)->objectName();
        }
        return lit;
    }
    QList<int> visibleMarkers() const
    {
        QList<int> visible;
        for (int slot = 0; slot < kFingerSlots; ++slot) {
            if (!m_diagram->lblFinger(slot)->isHidden())
                visible << slot;
        }
        return visible;
    }

private slots:
    void init()
    {
        m_diagram = std::make_unique<KeyboardDiagram>(DiagramWindow::Main);
        m_guidance = std::make_unique<KeyGuidance>(*m_diagram, [this](std::function<void()> tick) {
            auto ticker = std::make_unique<ManualTicker>(std::move(tick));
            m_tmrResetKey = ticker.get();
            return ticker;
        });
    }
    void cleanup() { m_guidance.reset(); }

    void keyPressLightsItsKey_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QList<QString>>("lit");
        const QList<QString> nothing;
        QTest::newRow("lower-case a lights A") << int('a') << QList{u"lblKey(65)"_qs};
        QTest::newRow("upper-case A lights A") << int('A') << QList{u"lblKey(65)"_qs};
        QTest::newRow("! lights 1, never a Shift key") << int('!') << QList{u"lblKey(49)"_qs};
        QTest::newRow("backspace lights BS") << 8 << QList{u"lblKey(8)"_qs};
        QTest::newRow("space lights SPACE") << 32 << QList{u"lblKey(32)"_qs};
        QTest::newRow("Enter lights nothing but still starts the timer") << 13 << nothing;
        QTest::newRow("code 127 lights nothing") << 127 << nothing;
    }
    void keyPressLightsItsKey()
    {
        QFETCH(int, code);
        QFETCH(QList<QString>, lit);
        QVERIFY(!m_tmrResetKey->isActive());
        m_guidance->keyPressed(char16_t(code));
        QCOMPARE(litBoxes(), lit);
        QVERIFY(m_tmrResetKey->isActive());
    }

    void tickPutsEveryLitKeyOutAndStops()
    {
        for (const char16_t code : {u'a', u'S', u'1', u' ', char16_t(8), u'\r'})
            m_guidance->keyPressed(code);
        QCOMPARE(litBoxes().size(), 5);
        m_tmrResetKey->onTick();
        QVERIFY(litBoxes().isEmpty());
        QVERIFY(!m_tmrResetKey->isActive());

        m_guidance->keyPressed(u'q');
        QCOMPARE(litBoxes(), QList{u"lblKey(81)"_qs});
        QVERIFY(m_tmrResetKey->isActive());
    }

    // Steps: "D<mask>" key down, "U<mask>" key up; masks 1 Shift, 2 Ctrl, 4 Alt.
    void shiftCaptions_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<bool>("shifted");
        QTest::newRow("Shift alone shifts") << u"D1"_qs << true;
        QTest::newRow("Ctrl+Shift does not") << u"D3"_qs << false;
        QTest::newRow("Alt+Shift does not") << u"D5"_qs << false;
        QTest::newRow("key up with Shift still held keeps them") << u"D1 U1"_qs << true;
        QTest::newRow("key up with nothing held restores") << u"D1 U0"_qs << false;
        QTest::newRow("key up with Ctrl held keeps them") << u"D1 U2"_qs << true;
        QTest::newRow("Ctrl joining Shift changes nothing") << u"D1 D3"_qs << true;
        QTest::newRow("key up with nothing held when already unshifted") << u"U0"_qs << false;
    }
    void shiftCaptions()
    {
        QFETCH(QString, steps);
        QFETCH(bool, shifted);
        for (const QString &step : steps.split(u' ')) {
            const int mask = step.mid(1).toInt();
            if (step.startsWith(u'D'))
                m_guidance->keyDown(mask);
            else
                m_guidance->keyUp(mask);
        }
        QString captions;
        for (const int index : kShiftedCaptionOrder)
            captions += m_diagram->lblKey(index)->caption();
        QCOMPARE(captions, shifted ? kShifted : kUnshifted);
        QCOMPARE(m_diagram->lblKey(65)->caption(), u"A"_qs);
        QVERIFY(litBoxes().isEmpty());
    }

    void guideFinger_data()
    {
        QTest::addColumn<QString>("nextChar");
        QTest::addColumn<QList<int>>("visible");
        const QList<int> none;
        QTest::newRow("space: the right thumb") << u" "_qs << QList{4};
        QTest::newRow("& on the right index finger") << u"&"_qs << QList{5};
        QTest::newRow("grave accent: none") << u"`"_qs << none;
        QTest::newRow("end marker: none") << u"\r"_qs << none;
        QTest::newRow("past the end: none") << QString() << none;
    }
    void guideFinger()
    {
        QFETCH(QString, nextChar);
        QFETCH(QList<int>, visible);
        m_guidance->guideFinger(u"p"_qs);
        QCOMPARE(visibleMarkers(), QList{8});
        m_guidance->guideFinger(nextChar);
        QCOMPARE(visibleMarkers(), visible);
    }
};

QTEST_MAIN(TestKeyGuidance)
#include "tst_keyguidance.moc"
