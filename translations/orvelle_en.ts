<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>CommandLine</name>
    <message numerus="yes">
        <source>Wrote %n answers to standard output</source>
        <translation>
            <numerusform>Wrote %n answer to standard output</numerusform>
            <numerusform>Wrote %n answers to standard output</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n answers to %1</source>
        <translation>
            <numerusform>Wrote %n answer to %1</numerusform>
            <numerusform>Wrote %n answers to %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n pitch test trials to %1</source>
        <translation>
            <numerusform>Wrote %n pitch test trial to %1</numerusform>
            <numerusform>Wrote %n pitch test trials to %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Course</name>
    <message numerus="yes">
        <source>You hear %1 as %2: %n times</source>
        <translation>
            <numerusform>You hear %1 as %2: once</numerusform>
            <numerusform>You hear %1 as %2: %n times</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HistoryRecovery</name>
    <message numerus="yes">
        <source>%n answers recovered; %1 could not be read.</source>
        <translation>
            <numerusform>%n answer recovered; %1 could not be read.</numerusform>
            <numerusform>%n answers recovered; %1 could not be read.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n answers recovered.</source>
        <translation>
            <numerusform>%n answer recovered.</numerusform>
            <numerusform>%n answers recovered.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n finished pitch tests recovered.</source>
        <translation>
            <numerusform>%n finished pitch test recovered.</numerusform>
            <numerusform>%n finished pitch tests recovered.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PitchTestIntro</name>
    <message numerus="yes">
        <source>A test you began has %n of 72 notes answered. Resume it, or discard it to start again.</source>
        <translation>
            <numerusform>A test you began has %n of 72 notes answered. Resume it, or discard it to start again.</numerusform>
            <numerusform>A test you began has %n of 72 notes answered. Resume it, or discard it to start again.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatisticsColors</name>
    <message numerus="yes">
        <source>%n answers</source>
        <translation>
            <numerusform>%n answer</numerusform>
            <numerusform>%n answers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n day</numerusform>
            <numerusform>%n days</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatisticsReport</name>
    <message numerus="yes">
        <source>%n answers</source>
        <translation>
            <numerusform>%n answer</numerusform>
            <numerusform>%n answers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>+%n semitones</source>
        <translation>
            <numerusform>+%n semitone</numerusform>
            <numerusform>+%n semitones</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>-%n semitones</source>
        <translation>
            <numerusform>-%n semitone</numerusform>
            <numerusform>-%n semitones</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n day</numerusform>
            <numerusform>%n days</numerusform>
        </translation>
    </message>
</context>
</TS>
