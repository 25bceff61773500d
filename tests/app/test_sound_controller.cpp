// The sound controller, the answer listener and the device watch against real
// JACK MIDI ports.

#include "device_watch.h"
#include "jack_fixture.h"

#include <midi/midi_backend.h>
#include <midi/midi_device_rt.h>
#include <midi_answer_listener.h>
#include <sound_controller.h>

#include <QtTest>

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
        // A refresh makes the last input and the first output current.
        QCOMPARE(controller.GetCurrentInDevice(), 1);
        QCOMPARE(controller.GetCurrentOutDevice(), 0);
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

    void refreshReportsChangesAsTheInputListIsRebuilt()
    {
        {
            JackMidiPeer keyboardAndSynth("peer");
            Core::SoundController controller;
            // With an input port every refresh rebuilds the list.
            QVERIFY(controller.RefreshDevices());
            QVERIFY(controller.RefreshDevices());
            QCOMPARE(controller.GetInDeviceCount(), 1);
        }
        {
            JackMidiPeer synthOnly("synth-only", false, true);
            Core::SoundController controller;
            QCOMPARE(controller.GetCurrentInDevice(), -1);
            QCOMPARE(controller.GetOutDeviceCount(), 1);
            QVERIFY(!controller.RefreshDevices()); // nothing to rebuild, outputs kept
        }
        {
            Core::SoundController controller; // no ports at all
            QCOMPARE(controller.GetCurrentInDevice(), -1);
            QCOMPARE(controller.GetCurrentOutDevice(), -1);
            QVERIFY(controller.RefreshDevices()); // an empty output list is looked at again
        }
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

    void theDeviceWatchRescansNineTimesAndEndsQuietly()
    {
        int rescans = 0;
        DeviceWatch watch([&] { ++rescans; return false; }, 10);
        QSignalSpy changes(&watch, SIGNAL(deviceChange()));
        watch.Start();
        watch.Start(); // one watch, one chain
        QTRY_VERIFY_WITH_TIMEOUT(!watch.IsRunning(), 5000);
        QCOMPARE(rescans, 9);
        QCOMPARE(changes.count(), 0);
    }

    void theDeviceWatchStopsAtTheFirstChange()
    {
        int rescans = 0;
        DeviceWatch watch([&] { return ++rescans == 3; }, 10);
        QSignalSpy changes(&watch, SIGNAL(deviceChange()));
        watch.Start();
        QTRY_COMPARE_WITH_TIMEOUT(changes.count(), 1, 5000);
        QTest::qWait(100);
        QCOMPARE(rescans, 3);
        QVERIFY(!watch.IsRunning());
    }
};

QTEST_GUILESS_MAIN(SoundControllerTest)
#include "test_sound_controller.moc"
