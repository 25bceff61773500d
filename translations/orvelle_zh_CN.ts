<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Application</name>
    <message>
        <source>Orvelle cannot play notes and has to stop: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (error %2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Arrow</name>
    <message>
        <source>Previous page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next page</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ColorSwitch</name>
    <message>
        <source>Color hint</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConfusionMatrix</name>
    <message>
        <source>answered →</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Core::Timer</name>
    <message>
        <source>Error starting timer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeviceBox</name>
    <message>
        <source>MIDI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MIDI keyboards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound output</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeviceChoice</name>
    <message>
        <source>(unnamed port)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All MIDI keyboards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Built-in synthesizer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First MIDI output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No MIDI found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (cannot open)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (not connected)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Using the %1 keyboard device</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ErrorKindsChart</name>
    <message>
        <source>Wrong answers by kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>share of wrong answers</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Header</name>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color hint</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HeatMap</name>
    <message>
        <source>%1: never asked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 of %3 right (%4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>100 % right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>never asked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Point at a key to see its answers.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Orvelle is software for developing absolute pitch, also called perfect pitch: the ability to recognise a note by ear alone, without a reference tone. For a musician it is a precious skill, because the sound you hear in your mind leads straight to the right note on your instrument. Absolute pitch is not only a gift you are born with. It can be developed over time with the right method, and Orvelle is built on that method.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You begin with a single note, played equally often in all octaves of the piano. Orvelle follows your answers, and when you are ready it adds a second note, then a third, until all 12 notes of the chromatic scale are played across every octave. If you prefer, you can choose yourself how many notes are played by clicking a level above the progress strip.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour can help you memorise the sound of a tone. When the colour hint is switched on, the window takes on the colour of each note while it is played, so that every note gets a face of its own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To answer, click the right key with the mouse on the keyboard at the bottom of the window. You can also plug a MIDI keyboard into your computer by USB: its keys count exactly like clicks on the keyboard on the screen. Only the exact key counts, octave included.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The way to absolute pitch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color hint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Midi and graphical keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t show this anymore at programm startup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit our website</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InstrumentSettings</name>
    <message>
        <source>Instrument</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each question is played on one of the ticked instruments, at random.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The questions are played on this instrument.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vary the instrument</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reference pitch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lower the reference pitch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A4 = %1 Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raise the reference pitch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>440 Hz is concert pitch; 415 Hz is usual for baroque music, 442 to 446 Hz for many orchestras.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LeaveLevelDialog</name>
    <message>
        <source>Start level %1 again? Your answers in this round are kept in the history.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave level %1? Your answers in this round are kept in the history.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LevelArea</name>
    <message>
        <source>Guess the note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level: number of notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click on note</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LevelTiles</name>
    <message>
        <source>LEVEL</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>maj</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>maj6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>min6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>maj7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>min7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dom7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sus2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sus4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6sus2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6sus4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7sus2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7sus4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aug</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aug6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aug7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dim</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dim7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Perfect Unison</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minor second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Major second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minor third</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Major third</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Perfect fourth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tritone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Perfect fifth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minor sixth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Major sixth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minor seventh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Major seventh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Perfect octave</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Major</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Natural m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Harmonic m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Melodic m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pentatonic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pentatonic m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diminished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blues</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Augmented</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whole Tone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adagio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slow &amp;&amp; stately
 (66-76 bpm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allegro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fast &amp;&amp; bright
 (120-139 bpm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Andante</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At a Walking Pace
 (76-108 bpm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Largo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Very slow
 (40-60 bpm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moderato</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moderately
 (101-110 bpm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Presto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Very fast
 (168-200 bpm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vivace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lively &amp;&amp; fast
 (130-155 bpm)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReactionChart</name>
    <message>
        <source>Reaction time per note (s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>median</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SessionSummary</name>
    <message>
        <source>Train level 12 again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next round</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 right: %3 %, %4 % needed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Perfect pitch: all twelve notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 right: %3 %. Train level 12 again to keep it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>back to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level %1 passed: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level %1 not passed: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SetAsideHistories</name>
    <message>
        <source>Set aside: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recovering…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recover</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsButton</name>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsPanel</name>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StartButton</name>
    <message>
        <source>Next round</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replay note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue level %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Begin here</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatisticsButton</name>
    <message>
        <source>Statistics (F2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatisticsColors</name>
    <message>
        <source>%1 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n answers</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Last 7 days: %1, %2 exact, %3, %4 min.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last 30 days: %1, %2 exact, %3, %4 min.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At level %1: %2, %3 exact, %4, %5 min.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 exact, %3 ignoring the octave. Training days in a row: %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All days: %1, %2 min.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No answers from MIDI keyboards yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No answers on the screen keyboard yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No answers in the last 7 days.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No answers at level %1 yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer a few questions and your statistics appear here.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This level (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answers from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All answers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MIDI keyboards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading your answers…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right answers per question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heat map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By pitch class</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mean error, octaves ignored: %1 semitones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confusions: question (row) and answer (column)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TrainingSettings</name>
    <message>
        <source>After a wrong answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go on to the next question at once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause 2 s and play the right note once more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name the C keys (C1 to C8)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TrendChart</name>
    <message>
        <source>Day by day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>exact</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ignoring octave</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>median reaction</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>appwin</name>
    <message>
        <source>You played %1 — it was %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
