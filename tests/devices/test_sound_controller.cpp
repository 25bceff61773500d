// The sound controller, the answer listener and the device watch against real
// JACK MIDI ports.

#include "device_watch.h"
#include "jack_fixture.h"

#include <midi/midi_backend.h>
#include <midi/midi_device_rt.h>
#include <midi_answer_listener.h>
#include <sound_controller.h>

#include <QtTest>

#include <jack/jack.h>

#include <atomic>
#include <thread>

class SoundControllerTest : public QObject {
    Q_OBJECT

private slots:
    void listsEveryInputPortInOrderAndOneOutputPerPort()
    {
        JackMidiPeer first("peer-a");
        JackMidiPeer second("peer-b");
        QVERIFY(first.isOpen() && second.isOpen());

        Core::SoundController controller;
        QCOMPARE(controller.GetInDeviceCount(), 2);
        QCOMPARE(controller.GetInDevice(0)->GetName(), first.keyboardPortName());
        QCOMPARE(controller.GetInDevice(1)->GetName(), second.keyboardPortName());
        QCOMPARE(controller.GetOutDeviceCount(), 2);
        QCOMPARE(controller.GetOutDevice(0)->GetName(), first.synthPortName());
    }

    void aDeviceKeepsTheNameOfThePortItOpened()
    {
        auto first = std::make_unique<JackMidiPeer>("peer-a");
        JackMidiPeer second("peer-b");
        Core::SoundController controller;
        QCOMPARE(controller.GetInDeviceCount(), 2);
        QCOMPARE(controller.GetOutDeviceCount(), 2);
        // The other program's ports go away: indexes shift, names must not.
        first.reset();
        QTRY_COMPARE(Core::MidiBackend::InputPortNames().size(), 1);
        QCOMPARE(controller.GetInDevice(1)->GetName(), second.keyboardPortName());
        QCOMPARE(controller.GetOutDevice(1)->GetName(), second.synthPortName());
    }

    void refreshFollowsThePortsAndKeepsTheDevicesThatStay()
    {
        JackMidiPeer first("peer-a");
        Core::SoundController controller;
        QCOMPARE(controller.GetInDeviceCount(), 1);
        const auto kept = controller.GetInDevice(0);
        const auto keptOut = controller.GetOutDevice(0);
        QVERIFY(!controller.RefreshDevices()); // nothing came or went

        auto second = std::make_unique<JackMidiPeer>("peer-b");
        QVERIFY(controller.RefreshDevices());
        QCOMPARE(controller.GetInDeviceCount(), 2);
        QCOMPARE(controller.GetInDevice(0), kept); // still open, not reopened
        QCOMPARE(controller.FindInDevice(second->keyboardPortName())->GetName(), second->keyboardPortName());

        second.reset();
        QTRY_COMPARE(Core::MidiBackend::InputPortNames().size(), 1);
        QVERIFY(controller.RefreshDevices());
        QCOMPARE(controller.GetInDeviceCount(), 1);
        QCOMPARE(controller.GetInDevice(0), kept);
        QCOMPARE(controller.GetOutDevice(0), keptOut);
        QVERIFY(!controller.FindInDevice(QStringLiteral("peer-b:keyboard")));
    }

    void aBuiltInOutputGoesFirst()
    {
        JackMidiPeer peer("peer");
        Core::SoundController probe;
        std::shared_ptr<Core::MidiOutDevice> builtIn = probe.GetOutDevice(0);
        Core::SoundController controller([builtIn] { return builtIn; });
        QCOMPARE(controller.GetOutDeviceCount(), 2);
        QCOMPARE(controller.GetOutDevice(0), builtIn);
    }

    void theListenerFollowsItsDeviceAndNeverOutlivesADelivery()
    {
        JackMidiPeer first("peer-a");
        JackMidiPeer second("peer-b");
        Core::SoundController controller;
        QCOMPARE(controller.GetInDeviceCount(), 2);

        std::atomic<int> fromFirst{0};
        std::atomic<int> total{0};
        auto listener = std::make_shared<Core::MidiAnswerListener>(
            [&](const Core::MidiEvent &event) {
                ++total;
                if (event.GetMessage().GetData1() == 60)
                    ++fromFirst;
            },
            controller.GetInDevice(0));

        first.send({0x90, 60, 100});
        QTRY_COMPARE_WITH_TIMEOUT(fromFirst.load(), 1, 5000);

        listener->SetDevice(controller.GetInDevice(1));
        first.send({0x90, 60, 100});
        second.send({0x90, 61, 100});
        QTRY_COMPARE_WITH_TIMEOUT(total.load(), 2, 5000);
        QTest::qWait(100);
        QCOMPARE(fromFirst.load(), 1); // the first device no longer reaches it

        // Listeners created and destroyed while the input thread delivers a flood.
        std::atomic<bool> flooding{true};
        std::thread flood([&] {
            while (flooding) {
                second.send({0x90, 62, 100});
                std::this_thread::sleep_for(std::chrono::microseconds(200));
            }
        });
        for (int i = 0; i < 200; ++i) {
            auto counter = std::make_shared<std::atomic<int>>(0);
            auto shortLived = std::make_unique<Core::MidiAnswerListener>(
                [counter](const Core::MidiEvent &) { ++*counter; }, controller.GetInDevice(1));
            std::this_thread::sleep_for(std::chrono::microseconds(300));
            shortLived.reset();
        }
        flooding = false;
        flood.join();
    }

    void theDeviceWatchRescansWhenPortsComeAndGoAndOnlyThen()
    {
        std::atomic<int> rescans{0};
        DeviceWatch watch([&] { ++rescans; return true; });
        QSignalSpy changes(&watch, SIGNAL(deviceChange()));
        watch.Start();
        watch.Start(); // one subscription
        QVERIFY(watch.IsWatching());
        // The case before closed its ports just now; a loaded machine may
        // announce that to the new watch late. Then nothing changes.
        QTest::qWait(500);
        rescans = 0;
        changes.clear();
        QTest::qWait(600);
        QCOMPARE(rescans.load(), 0); // no polling while nothing changes

        auto peer = std::make_unique<JackMidiPeer>("peer-late");
        QTRY_VERIFY_WITH_TIMEOUT(rescans.load() >= 1, 1000);
        QTest::qWait(400);
        const int afterPlug = rescans.load();
        QVERIFY2(afterPlug <= 2, "one burst of announcements, one rescan");
        QCOMPARE(changes.count(), afterPlug);
        peer.reset();
        QTRY_VERIFY_WITH_TIMEOUT(rescans.load() > afterPlug, 1000);

        // A flood: 100 ports appear and vanish within a second. The watch
        // rescans a few times, not a hundred, and the thread stays free.
        QTest::qWait(300);
        const int beforeFlood = rescans.load();
        jack_status_t status{};
        jack_client_t *flood = jack_client_open("flood", JackNoStartServer, &status);
        QVERIFY(flood);
        QVERIFY(jack_activate(flood) == 0);
        std::vector<jack_port_t *> ports;
        for (int i = 0; i < 100; ++i) {
            ports.push_back(jack_port_register(flood, qPrintable(QString("p%1").arg(i)), JACK_DEFAULT_MIDI_TYPE,
                                               JackPortIsOutput, 0));
            if (i % 10 == 9)
                QTest::qWait(50);
        }
        for (jack_port_t *port : ports)
            jack_port_unregister(flood, port);
        jack_client_close(flood);
        QTest::qWait(800);
        QVERIFY(rescans.load() > beforeFlood);
        QVERIFY2(rescans.load() - beforeFlood <= 15, qPrintable(QString::number(rescans.load() - beforeFlood)));
    }
};

QTEST_GUILESS_MAIN(SoundControllerTest)
#include "test_sound_controller.moc"
