<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AnswerHistory</name>
    <message>
        <source>The answer history %1 cannot be read</source>
        <translation>回答履歴 %1 を読み込めません</translation>
    </message>
    <message>
        <source>The history cannot be written: the disk is full. Your answers are kept and will be written when space is free.</source>
        <translation>履歴を書き込めません: ディスクがいっぱいです。回答は保持され、空きができたら書き込まれます。</translation>
    </message>
    <message>
        <source>The history cannot be written: its file or folder is read-only. Your answers are kept and will be written when it can be.</source>
        <translation>履歴を書き込めません: ファイルまたはフォルダーが読み取り専用です。回答は保持され、書き込めるようになったら書き込まれます。</translation>
    </message>
    <message>
        <source>The history cannot be written: another program is using it. Your answers are kept and will be written when it is free.</source>
        <translation>履歴を書き込めません: 別のプログラムが使用中です。回答は保持され、使用が終わったら書き込まれます。</translation>
    </message>
    <message>
        <source>The history cannot be written just now. Your answers are kept and will be written when it can be.</source>
        <translation>いまは履歴を書き込めません。回答は保持され、書き込めるようになったら書き込まれます。</translation>
    </message>
    <message>
        <source>The answer history was written by a newer version of Orvelle; it is left as it is, and this version trains without recording answers.</source>
        <translation>回答履歴は新しいバージョンの Orvelle で作成されています。履歴はそのまま残し、このバージョンでは回答を記録せずに練習します。</translation>
    </message>
    <message>
        <source>The answer history %1 cannot be started; training goes on without recording answers.</source>
        <translation>回答履歴 %1 を作成できません。回答を記録せずに練習を続けます。</translation>
    </message>
    <message>
        <source>The answer history %1 is damaged and cannot be set aside; it is kept as it is, and training goes on without recording answers.</source>
        <translation>回答履歴 %1 は壊れていて退避できません。そのまま残し、回答を記録せずに練習を続けます。</translation>
    </message>
    <message>
        <source>The answer history was damaged and set aside as %1, but %2 cannot be moved; training goes on without recording answers.</source>
        <translation>回答履歴が壊れていたため %1 として退避しましたが、%2 を移動できません。回答を記録せずに練習を続けます。</translation>
    </message>
    <message>
        <source>The answer history was damaged; it was set aside as %1 and a new one started. The statistics window can recover its answers.</source>
        <translation>回答履歴が壊れていたため %1 として退避し、新しい履歴を始めました。統計ウィンドウからその回答を復元できます。</translation>
    </message>
    <message>
        <source>%1 cannot be opened</source>
        <translation>%1 を開けません</translation>
    </message>
    <message>
        <source>%1 cannot be read at all</source>
        <translation>%1 はまったく読み込めません</translation>
    </message>
    <message>
        <source>the history cannot be written: %1</source>
        <translation>履歴を書き込めません: %1</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Orvelle cannot play notes and has to stop: %1</source>
        <translation>Orvelle は音を鳴らせないため終了します: %1</translation>
    </message>
    <message>
        <source>%1 (error %2)</source>
        <translation>%1 (エラー %2)</translation>
    </message>
</context>
<context>
    <name>Arrow</name>
    <message>
        <source>Previous page</source>
        <translation>前のページ</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>次のページ</translation>
    </message>
</context>
<context>
    <name>ClassStrip</name>
    <message>
        <source>octave %1</source>
        <translation>オクターブ %1</translation>
    </message>
</context>
<context>
    <name>ColorSwitch</name>
    <message>
        <source>Color hint</source>
        <translation>カラーヒント</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>不明なオプション「%1」です。</translation>
    </message>
    <message>
        <source>Orvelle needs a graphical display (DISPLAY or WAYLAND_DISPLAY is not set)</source>
        <translation>Orvelle にはグラフィカルな画面が必要です (DISPLAY も WAYLAND_DISPLAY も設定されていません)</translation>
    </message>
    <message>
        <source>orvelle: %1
Try &apos;orvelle --help&apos;.
</source>
        <translation>orvelle: %1
「orvelle --help」を参照してください。
</translation>
    </message>
    <message>
        <source>orvelle: unexpected argument &apos;%1&apos;
Try &apos;orvelle --help&apos;.
</source>
        <translation>orvelle: 予期しない引数「%1」
「orvelle --help」を参照してください。
</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n answers to standard output</source>
        <translation>
            <numerusform>%n 件の回答を標準出力に書き出しました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n answers to %1</source>
        <translation>
            <numerusform>%n 件の回答を %1 に書き出しました</numerusform>
        </translation>
    </message>
    <message>
        <source>the answer history %1 cannot be read</source>
        <translation>回答履歴 %1 を読み込めません</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n pitch test trials to %1</source>
        <translation>
            <numerusform>絶対音感テストの試行 %n 件を %1 に書き出しました</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ConfusionMatrix</name>
    <message>
        <source>answered →</source>
        <translation>回答 →</translation>
    </message>
</context>
<context>
    <name>Core::MidiOutSynthDevice</name>
    <message>
        <source>the synthesizer could not be started; notes will be silent</source>
        <translation>シンセサイザーを起動できませんでした。音は鳴りません</translation>
    </message>
    <message>
        <source>no General MIDI soundfont found (looked for %1); notes will be silent</source>
        <translation>General MIDI のサウンドフォントが見つかりません (探した場所: %1)。音は鳴りません</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>audio output is unavailable (no sound server or sound card); notes will be silent</source>
        <translation>音声出力がありません (サウンドサーバーもサウンドカードもありません)。音は鳴りません</translation>
    </message>
    <message>
        <source>rendering offline with %1</source>
        <translation>%1 でオフライン生成中</translation>
    </message>
    <message>
        <source>playing %1 through %2</source>
        <translation>%1 を %2 で再生中</translation>
    </message>
</context>
<context>
    <name>Core::Timer</name>
    <message>
        <source>Error starting timer</source>
        <translation>タイマーを開始できません</translation>
    </message>
</context>
<context>
    <name>Course</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 と %2</translation>
    </message>
    <message>
        <source>locked</source>
        <translation>未解放</translation>
    </message>
    <message>
        <source>learning</source>
        <translation>学習中</translation>
    </message>
    <message>
        <source>secure</source>
        <translation>定着</translation>
    </message>
    <message>
        <source>mastered</source>
        <translation>習得済み</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>%1 %2 → %3</source>
        <translation>%1 %2 → %3</translation>
    </message>
    <message>
        <source>No note changed its state.</source>
        <translation>状態が変わった音はありません。</translation>
    </message>
    <message>
        <source>Answer within %1 s to count as fast (%2 s before).</source>
        <translation>%1 秒以内に答えると速い回答になります（以前は %2 秒）。</translation>
    </message>
    <message>
        <source>Answer within %1 s to count as fast.</source>
        <translation>%1 秒以内に答えると速い回答になります。</translation>
    </message>
    <message>
        <source>All twelve notes are in the course.</source>
        <translation>12 音すべてがコースに入っています。</translation>
    </message>
    <message>
        <source>%1 comes next.</source>
        <translation>次は %1 です。</translation>
    </message>
    <message>
        <source>%1 comes next, once %2 are secure.</source>
        <translation>%2 が定着したら、次は %1 です。</translation>
    </message>
    <message>
        <source>%1 comes next, once %2 is secure.</source>
        <translation>%2 が定着したら、次は %1 です。</translation>
    </message>
    <message>
        <source>Round %1: %2 of %3 right</source>
        <translation>ラウンド %1: %3 問中 %2 問正解</translation>
    </message>
    <message numerus="yes">
        <source>You hear %1 as %2: %n times</source>
        <translation>
            <numerusform>%1 を %2 と聞き取った回数: %n 回</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DeviceBox</name>
    <message>
        <source>MIDI</source>
        <translation>MIDI</translation>
    </message>
    <message>
        <source>MIDI keyboards</source>
        <translation>MIDI キーボード</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>音源</translation>
    </message>
    <message>
        <source>Sound output</source>
        <translation>音声出力</translation>
    </message>
</context>
<context>
    <name>DeviceChoice</name>
    <message>
        <source>(unnamed port)</source>
        <translation>(名前のないポート)</translation>
    </message>
    <message>
        <source>All MIDI keyboards</source>
        <translation>すべての MIDI キーボード</translation>
    </message>
    <message>
        <source>Built-in synthesizer</source>
        <translation>内蔵シンセサイザー</translation>
    </message>
    <message>
        <source>First MIDI output</source>
        <translation>最初の MIDI 出力</translation>
    </message>
    <message>
        <source>No MIDI found</source>
        <translation>MIDI が見つかりません</translation>
    </message>
    <message>
        <source>%1 (cannot open)</source>
        <translation>%1 (開けません)</translation>
    </message>
    <message>
        <source>%1 (not connected)</source>
        <translation>%1 (未接続)</translation>
    </message>
    <message>
        <source>Using the %1 keyboard device</source>
        <translation>使用中の MIDI キーボード: %1</translation>
    </message>
</context>
<context>
    <name>ErrorKindsChart</name>
    <message>
        <source>Wrong answers by kind</source>
        <translation>誤答の種類</translation>
    </message>
    <message>
        <source>share of wrong answers</source>
        <translation>誤答に占める割合</translation>
    </message>
</context>
<context>
    <name>FeedbackLine</name>
    <message>
        <source>You played %1 — it was %2</source>
        <translation>%1 を弾きました — 正解は %2</translation>
    </message>
</context>
<context>
    <name>Header</name>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>隠す</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>オン</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>Color hint</source>
        <translation>カラーヒント</translation>
    </message>
</context>
<context>
    <name>HeatMap</name>
    <message>
        <source>%1: never asked</source>
        <translation>%1: 未出題</translation>
    </message>
    <message>
        <source>%1: %2 of %3 right (%4)</source>
        <translation>%1: %3 問中 %2 問正解 (%4)</translation>
    </message>
    <message>
        <source>100 % right</source>
        <translation>100% 正解</translation>
    </message>
    <message>
        <source>never asked</source>
        <translation>未出題</translation>
    </message>
    <message>
        <source>Point at a key to see its answers.</source>
        <translation>鍵盤を指すと、その回答が表示されます。</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Orvelle is software for developing absolute pitch, also called perfect pitch: the ability to recognise a note by ear alone, without a reference tone. For a musician it is a precious skill, because the sound you hear in your mind leads straight to the right note on your instrument. Absolute pitch is not only a gift you are born with. It can be developed over time with the right method, and Orvelle is built on that method.</source>
        <translation>Orvelle は絶対音感を身につけるためのソフトウェアです。絶対音感とは、基準音なしに耳だけで音の高さを言い当てる能力のことです。頭の中で鳴る音がそのまま楽器の正しい音につながるため、音楽家にとって貴重な力です。絶対音感は生まれつきの才能だけではありません。正しい方法で時間をかければ身につけることができ、Orvelle はその方法にもとづいています。</translation>
    </message>
    <message>
        <source>You begin with a single note, played equally often in all octaves of the piano. Orvelle follows your answers, and when you are ready it adds a second note, then a third, until all 12 notes of the chromatic scale are played across every octave. If you prefer, you can choose yourself how many notes are played by clicking a level above the progress strip.</source>
        <translation>最初は 1 つの音だけを、ピアノのすべてのオクターブで同じ回数ずつ鳴らします。Orvelle はあなたの回答を見守り、準備ができたら 2 つ目の音、3 つ目の音と増やしていき、最後には半音階の 12 音すべてをあらゆるオクターブで鳴らします。進捗バーの上のレベルをクリックして、出題する音の数を自分で選ぶこともできます。</translation>
    </message>
    <message>
        <source>Colour can help you memorise the sound of a tone. When the colour hint is switched on, the window takes on the colour of each note while it is played, so that every note gets a face of its own.</source>
        <translation>色は音の響きを覚える助けになります。カラーヒントをオンにすると、音が鳴っている間ウィンドウがその音の色に変わり、一つひとつの音が自分だけの顔を持つようになります。</translation>
    </message>
    <message>
        <source>To answer, click the right key with the mouse on the keyboard at the bottom of the window. You can also plug a MIDI keyboard into your computer by USB: its keys count exactly like clicks on the keyboard on the screen. Only the exact key counts, octave included.</source>
        <translation>回答するには、ウィンドウ下部の鍵盤で正しい鍵をマウスでクリックします。MIDI キーボードを USB でコンピューターにつなぐこともできます。その鍵盤は画面上の鍵盤のクリックとまったく同じに扱われます。オクターブも含めて、正確な鍵だけが正解です。</translation>
    </message>
    <message>
        <source>The way to absolute pitch</source>
        <translation>絶対音感への道</translation>
    </message>
    <message>
        <source>Color hint</source>
        <translation>カラーヒント</translation>
    </message>
    <message>
        <source>Midi and graphical keyboard</source>
        <translation>MIDI キーボードと画面の鍵盤</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Close help</source>
        <translation>ヘルプを閉じる</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>%1 ページ</translation>
    </message>
    <message>
        <source>Don&apos;t show this anymore at programm startup</source>
        <translation>次回から起動時に表示しない</translation>
    </message>
    <message>
        <source>Visit our website</source>
        <translation>ウェブサイトへ</translation>
    </message>
</context>
<context>
    <name>HistoryExport</name>
    <message>
        <source>The answer history %1 cannot be read</source>
        <translation>回答履歴 %1 を読み込めません</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>%1 is one of Orvelle&apos;s own files; the export does not write over it</source>
        <translation>%1 は Orvelle 自身のファイルです。書き出しで上書きはしません</translation>
    </message>
    <message>
        <source>Standard output cannot be written: %1</source>
        <translation>標準出力に書き込めません: %1</translation>
    </message>
    <message>
        <source>Standard output</source>
        <translation>標準出力</translation>
    </message>
</context>
<context>
    <name>HistoryRecovery</name>
    <message>
        <source>Not recovered: %1.</source>
        <translation>復元できませんでした: %1。</translation>
    </message>
    <message numerus="yes">
        <source>%n answers recovered; %1 could not be read.</source>
        <translation>
            <numerusform>%n 件の回答を復元しました。%1 件は読み込めませんでした。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n answers recovered.</source>
        <translation>
            <numerusform>%n 件の回答を復元しました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n finished pitch tests recovered.</source>
        <translation>
            <numerusform>完了した絶対音感テストを %n 件復元しました。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>InstrumentSettings</name>
    <message>
        <source>Instrument</source>
        <translation>楽器</translation>
    </message>
    <message>
        <source>Each question is played on one of the ticked instruments, at random.</source>
        <translation>チェックした楽器の中から、問題ごとにランダムに選んで鳴らします。</translation>
    </message>
    <message>
        <source>The questions are played on this instrument.</source>
        <translation>この楽器で出題します。</translation>
    </message>
    <message>
        <source>Vary the instrument</source>
        <translation>楽器を変える</translation>
    </message>
    <message>
        <source>Reference pitch</source>
        <translation>基準ピッチ</translation>
    </message>
    <message>
        <source>Lower the reference pitch</source>
        <translation>基準ピッチを下げる</translation>
    </message>
    <message>
        <source>Raise the reference pitch</source>
        <translation>基準ピッチを上げる</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>440 Hz is concert pitch; 415 Hz is usual for baroque music, 442 to 446 Hz for many orchestras.</source>
        <translation>440 Hz が標準ピッチです。バロック音楽では 415 Hz、多くのオーケストラでは 442〜446 Hz が使われます。</translation>
    </message>
    <message>
        <source>%1 = %2 Hz</source>
        <translation>%1 = %2 Hz</translation>
    </message>
</context>
<context>
    <name>Instruments</name>
    <message>
        <source>Piano</source>
        <translation>ピアノ</translation>
    </message>
    <message>
        <source>Electric piano</source>
        <translation>エレクトリック・ピアノ</translation>
    </message>
    <message>
        <source>Harpsichord</source>
        <translation>チェンバロ</translation>
    </message>
    <message>
        <source>Organ</source>
        <translation>オルガン</translation>
    </message>
    <message>
        <source>Guitar</source>
        <translation>ギター</translation>
    </message>
    <message>
        <source>Violin</source>
        <translation>バイオリン</translation>
    </message>
    <message>
        <source>Flute</source>
        <translation>フルート</translation>
    </message>
    <message>
        <source>Clarinet</source>
        <translation>クラリネット</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation>トランペット</translation>
    </message>
    <message>
        <source>Choir</source>
        <translation>合唱</translation>
    </message>
    <message>
        <source>Vibraphone</source>
        <translation>ビブラフォン</translation>
    </message>
    <message>
        <source>Marimba</source>
        <translation>マリンバ</translation>
    </message>
    <message>
        <source>Pure tone</source>
        <translation>純音</translation>
    </message>
</context>
<context>
    <name>LanguageSettings</name>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>System</source>
        <translation>システムに合わせる</translation>
    </message>
    <message>
        <source>The language changes at the next start.</source>
        <translation>言語は次回の起動時に切り替わります。</translation>
    </message>
    <message>
        <source>Note names</source>
        <translation>音名</translation>
    </message>
    <message>
        <source>C D E … B</source>
        <translation>C D E … B</translation>
    </message>
    <message>
        <source>C D E … H (B for B♭)</source>
        <translation>C D E … H（B♭ を B と呼ぶ）</translation>
    </message>
    <message>
        <source>Do Ré Mi … Si</source>
        <translation>Do Re Mi … Si（固定ド）</translation>
    </message>
    <message>
        <source>middle C = C4</source>
        <translation>中央ハ = C4</translation>
    </message>
    <message>
        <source>middle C = do 3</source>
        <translation>中央ハ = do 3</translation>
    </message>
</context>
<context>
    <name>LeaveLevelDialog</name>
    <message>
        <source>Start level %1 again? Your answers in this round are kept in the history.</source>
        <translation>レベル %1 をやり直しますか？ このラウンドの回答は履歴に残ります。</translation>
    </message>
    <message>
        <source>Leave level %1? Your answers in this round are kept in the history.</source>
        <translation>レベル %1 を離れますか？ このラウンドの回答は履歴に残ります。</translation>
    </message>
    <message>
        <source>Stay</source>
        <translation>続ける</translation>
    </message>
    <message>
        <source>Leave</source>
        <translation>離れる</translation>
    </message>
</context>
<context>
    <name>LevelArea</name>
    <message>
        <source>Guess the note</source>
        <translation>音を当てよう</translation>
    </message>
    <message>
        <source>Level: number of notes</source>
        <translation>レベル: 音の数</translation>
    </message>
    <message>
        <source>Level %1 of %2</source>
        <translation>レベル %1 / %2</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>レベル %1</translation>
    </message>
    <message>
        <source>Click on note</source>
        <translation>音をクリック</translation>
    </message>
    <message>
        <source>PERFECT PITCH</source>
        <translation>絶対音感</translation>
    </message>
</context>
<context>
    <name>LevelTiles</name>
    <message>
        <source>LEVEL</source>
        <translation>レベル</translation>
    </message>
</context>
<context>
    <name>PitchTest</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>Pitch test</source>
        <translation>絶対音感テスト</translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>%1 に書き込めません</translation>
    </message>
    <message>
        <source>Finished %1; order seed %2</source>
        <translation>終了 %1、出題順のシード %2</translation>
    </message>
    <message>
        <source>Pitch class right, all tones: %1 %</source>
        <translation>音名の正答率（全音）: %1 %</translation>
    </message>
    <message>
        <source>Pitch class right</source>
        <translation>音名の正答率</translation>
    </message>
    <message>
        <source>Exact key (octave too)</source>
        <translation>鍵盤の正答率（オクターブも一致）</translation>
    </message>
    <message>
        <source>Points (1 right, 0.75 a semitone off)</source>
        <translation>得点（正解 1、半音違い 0.75）</translation>
    </message>
    <message>
        <source>Mean error (semitones, 0-6)</source>
        <translation>平均誤差（半音、0〜6）</translation>
    </message>
    <message>
        <source>Bias (+ sharp, - flat)</source>
        <translation>偏り（+ 高め、- 低め）</translation>
    </message>
    <message>
        <source>Median reaction time</source>
        <translation>反応時間の中央値</translation>
    </message>
    <message>
        <source>Right answers within 2.0 s</source>
        <translation>2.0 秒以内の正答</translation>
    </message>
    <message>
        <source>Absolute pitch line (24.5 of 36 on pure tones): reached</source>
        <translation>絶対音感の基準線（純音 36 問中 24.5）: 到達</translation>
    </message>
    <message>
        <source>Absolute pitch line (24.5 of 36 on pure tones): not reached</source>
        <translation>絶対音感の基準線（純音 36 問中 24.5）: 未到達</translation>
    </message>
    <message>
        <source>No pitch test finished yet.</source>
        <translation>終了した絶対音感テストはまだありません。</translation>
    </message>
    <message>
        <source>Finished            Pure tone  Piano   Pitch class  Exact key  AP line</source>
        <translation>終了日時               純音  ピアノ         音名       鍵盤  基準線</translation>
    </message>
    <message>
        <source>reached</source>
        <translation>到達</translation>
    </message>
    <message>
        <source>not reached</source>
        <translation>未到達</translation>
    </message>
    <message>
        <source>Piano</source>
        <translation>ピアノ</translation>
    </message>
    <message>
        <source>Pure tone</source>
        <translation>純音</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>全体</translation>
    </message>
    <message>
        <source>chance</source>
        <translation>偶然</translation>
    </message>
    <message>
        <source>non-possessors</source>
        <translation>絶対音感のない人</translation>
    </message>
    <message>
        <source>possessors</source>
        <translation>絶対音感のある人</translation>
    </message>
    <message>
        <source>Right per pitch class (all tones)</source>
        <translation>音名ごとの正答（全音）</translation>
    </message>
    <message>
        <source>Confusions (rows: tone played; columns: key answered)</source>
        <translation>取り違え（行: 鳴った音、列: 答えた鍵盤）</translation>
    </message>
    <message>
        <source>Pitch tests cannot be kept: there is no answer history.</source>
        <translation>絶対音感テストを保存できません: 回答履歴がありません。</translation>
    </message>
    <message>
        <source>Pitch tests cannot be kept: the answer history cannot be opened.</source>
        <translation>絶対音感テストを保存できません: 回答履歴を開けません。</translation>
    </message>
    <message>
        <source>no version</source>
        <translation>バージョン情報なし</translation>
    </message>
    <message>
        <source>Pitch tests are not kept: the answer history comes from a newer version of the program.</source>
        <translation>絶対音感テストは保存されません: 回答履歴はこのプログラムの新しいバージョンで作られています。</translation>
    </message>
    <message>
        <source>tables missing</source>
        <translation>テーブルがありません</translation>
    </message>
    <message>
        <source>The pitch tests in the answer history cannot be read (%1); training is not affected.</source>
        <translation>回答履歴の絶対音感テストを読み込めません (%1)。練習には影響しません。</translation>
    </message>
    <message>
        <source>tests</source>
        <translation>テスト</translation>
    </message>
    <message>
        <source>test %1</source>
        <translation>テスト %1</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>The pitch tests cannot be read</source>
        <translation>絶対音感テストを読み込めません</translation>
    </message>
</context>
<context>
    <name>PitchTest::TestController</name>
    <message>
        <source>Pure tones and the noise come from the built-in synthesiser; the output chosen plays its own sound instead. Choose the built-in synthesiser in the settings for a test that counts.</source>
        <translation>純音とノイズは内蔵シンセサイザーで鳴らします。選択中の出力では、代わりにその出力自身の音が鳴ります。有効なテストにするには、設定で内蔵シンセサイザーを選んでください。</translation>
    </message>
    <message>
        <source>Pitch tests cannot be kept: there is no answer history.</source>
        <translation>絶対音感テストを保存できません: 回答履歴がありません。</translation>
    </message>
    <message>
        <source>This test is not being kept: the answer history cannot be written.</source>
        <translation>このテストは保存されていません: 回答履歴に書き込めません。</translation>
    </message>
    <message>
        <source>Right: %1</source>
        <translation>正解: %1</translation>
    </message>
    <message>
        <source>It was %1; you played %2</source>
        <translation>正解は %1、弾いたのは %2</translation>
    </message>
    <message>
        <source>Answers wait to be kept: the answer history cannot be written just now.</source>
        <translation>回答は保存待ちです: 今は回答履歴に書き込めません。</translation>
    </message>
    <message>
        <source>There is no report to print yet.</source>
        <translation>印刷できる結果はまだありません。</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>%1 に保存しました</translation>
    </message>
</context>
<context>
    <name>PitchTestButton</name>
    <message>
        <source>Pitch test (Ctrl+T)</source>
        <translation>絶対音感テスト (Ctrl+T)</translation>
    </message>
    <message>
        <source>Pitch test</source>
        <translation>絶対音感テスト</translation>
    </message>
</context>
<context>
    <name>PitchTestIntro</name>
    <message>
        <source>Pitch test</source>
        <translation>絶対音感テスト</translation>
    </message>
    <message>
        <source>72 notes, about 8 minutes: 36 on the piano and 36 pure tones, in two blocks with a rest between. First 4 practice notes tell you whether you were right; after that there is no feedback until the end. Answer with any key of the right name: the octave is scored separately. Each answer is followed by 2 seconds of noise. Escape leaves the test; you can take it up again later.</source>
        <translation>72 音、約 8 分: ピアノ 36 音と純音 36 音を、間に休憩をはさんだ 2 つのブロックで出題します。最初の 4 音は練習で、正解かどうかが表示されます。その後は最後まで正誤は表示されません。正しい音名の鍵盤ならどのオクターブで答えてもかまいません。オクターブは別に採点します。各回答の後に 2 秒間ノイズが流れます。Esc でテストを中断でき、後で再開できます。</translation>
    </message>
    <message numerus="yes">
        <source>A test you began has %n of 72 notes answered. Resume it, or discard it to start again.</source>
        <translation>
            <numerusform>途中のテストがあり、72 音中 %n 音に回答済みです。再開するか、破棄して最初からやり直してください。</numerusform>
        </translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>再開</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>破棄</translation>
    </message>
    <message>
        <source>Back to training</source>
        <translation>練習に戻る</translation>
    </message>
</context>
<context>
    <name>PitchTestPanel</name>
    <message>
        <source>Pitch test</source>
        <translation>絶対音感テスト</translation>
    </message>
</context>
<context>
    <name>PitchTestReport</name>
    <message>
        <source>Pitch test — %1</source>
        <translation>絶対音感テスト — %1</translation>
    </message>
    <message>
        <source>Piano</source>
        <translation>ピアノ</translation>
    </message>
    <message>
        <source>Pure tone</source>
        <translation>純音</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>全体</translation>
    </message>
    <message>
        <source>Pitch class right, all tones: %1 %</source>
        <translation>音名の正答率（全音）: %1 %</translation>
    </message>
    <message>
        <source>chance</source>
        <translation>偶然</translation>
    </message>
    <message>
        <source>non-possessors</source>
        <translation>絶対音感のない人</translation>
    </message>
    <message>
        <source>possessors</source>
        <translation>絶対音感のある人</translation>
    </message>
    <message>
        <source>Right per pitch class</source>
        <translation>音名ごとの正答</translation>
    </message>
    <message>
        <source>Confusions (rows: note played, columns: key answered)</source>
        <translation>取り違え（行: 鳴った音、列: 答えた鍵盤）</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>PDF として保存</translation>
    </message>
    <message>
        <source>Back to training</source>
        <translation>練習に戻る</translation>
    </message>
</context>
<context>
    <name>PitchTestRest</name>
    <message>
        <source>Rest: %1 s</source>
        <translation>休憩: 残り %1 秒</translation>
    </message>
    <message>
        <source>Half way. The second block begins when the rest is over.</source>
        <translation>折り返しです。休憩が終わると第 2 ブロックが始まります。</translation>
    </message>
    <message>
        <source>Go on now</source>
        <translation>すぐに続ける</translation>
    </message>
</context>
<context>
    <name>PitchTestScores</name>
    <message>
        <source>No pitch test finished yet. Ctrl+T starts one.</source>
        <translation>終了した絶対音感テストはまだありません。Ctrl+T で開始できます。</translation>
    </message>
    <message>
        <source>Pitch tests</source>
        <translation>絶対音感テスト</translation>
    </message>
    <message>
        <source>pure tones (of 36)</source>
        <translation>純音（36 点満点）</translation>
    </message>
    <message>
        <source>piano (of 36)</source>
        <translation>ピアノ（36 点満点）</translation>
    </message>
    <message>
        <source>absolute pitch line, 24.5</source>
        <translation>絶対音感の基準線、24.5</translation>
    </message>
    <message>
        <source>%1   pure tones %2   piano %3   pitch class %4 %   exact key %5 %   AP line reached</source>
        <extracomment>One finished test: date, points of 36 on pure tones and piano, per cent right.</extracomment>
        <translation>%1   純音 %2   ピアノ %3   音名 %4 %   鍵盤 %5 %   基準線に到達</translation>
    </message>
    <message>
        <source>%1   pure tones %2   piano %3   pitch class %4 %   exact key %5 %</source>
        <translation>%1   純音 %2   ピアノ %3   音名 %4 %   鍵盤 %5 %</translation>
    </message>
</context>
<context>
    <name>PitchTestTrial</name>
    <message>
        <source>Practice %1 of %2</source>
        <translation>練習 %1 / %2</translation>
    </message>
    <message>
        <source>Note %1 of %2</source>
        <translation>%1 / %2 音目</translation>
    </message>
    <message>
        <source>Which note was it?</source>
        <translation>何の音でしたか？</translation>
    </message>
    <message>
        <source>Escape leaves the test; it can be resumed.</source>
        <translation>Esc でテストを中断できます。後で再開できます。</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>maj</source>
        <translation>maj</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>maj6</source>
        <translation>maj6</translation>
    </message>
    <message>
        <source>min6</source>
        <translation>min6</translation>
    </message>
    <message>
        <source>maj7</source>
        <translation>maj7</translation>
    </message>
    <message>
        <source>min7</source>
        <translation>min7</translation>
    </message>
    <message>
        <source>dom7</source>
        <translation>dom7</translation>
    </message>
    <message>
        <source>sus2</source>
        <translation>sus2</translation>
    </message>
    <message>
        <source>sus4</source>
        <translation>sus4</translation>
    </message>
    <message>
        <source>6sus2</source>
        <translation>6sus2</translation>
    </message>
    <message>
        <source>6sus4</source>
        <translation>6sus4</translation>
    </message>
    <message>
        <source>7sus2</source>
        <translation>7sus2</translation>
    </message>
    <message>
        <source>7sus4</source>
        <translation>7sus4</translation>
    </message>
    <message>
        <source>aug</source>
        <translation>aug</translation>
    </message>
    <message>
        <source>aug6</source>
        <translation>aug6</translation>
    </message>
    <message>
        <source>aug7</source>
        <translation>aug7</translation>
    </message>
    <message>
        <source>dim</source>
        <translation>dim</translation>
    </message>
    <message>
        <source>dim7</source>
        <translation>dim7</translation>
    </message>
    <message>
        <source>Perfect Unison</source>
        <translation>完全1度</translation>
    </message>
    <message>
        <source>Minor second</source>
        <translation>短2度</translation>
    </message>
    <message>
        <source>Major second</source>
        <translation>長2度</translation>
    </message>
    <message>
        <source>Minor third</source>
        <translation>短3度</translation>
    </message>
    <message>
        <source>Major third</source>
        <translation>長3度</translation>
    </message>
    <message>
        <source>Perfect fourth</source>
        <translation>完全4度</translation>
    </message>
    <message>
        <source>Tritone</source>
        <translation>三全音</translation>
    </message>
    <message>
        <source>Perfect fifth</source>
        <translation>完全5度</translation>
    </message>
    <message>
        <source>Minor sixth</source>
        <translation>短6度</translation>
    </message>
    <message>
        <source>Major sixth</source>
        <translation>長6度</translation>
    </message>
    <message>
        <source>Minor seventh</source>
        <translation>短7度</translation>
    </message>
    <message>
        <source>Major seventh</source>
        <translation>長7度</translation>
    </message>
    <message>
        <source>Perfect octave</source>
        <translation>完全8度</translation>
    </message>
    <message>
        <source>Major</source>
        <translation>長音階</translation>
    </message>
    <message>
        <source>Natural m</source>
        <translation>自然短音階</translation>
    </message>
    <message>
        <source>Harmonic m</source>
        <translation>和声的短音階</translation>
    </message>
    <message>
        <source>Melodic m</source>
        <translation>旋律的短音階</translation>
    </message>
    <message>
        <source>Pentatonic</source>
        <translation>ペンタトニック</translation>
    </message>
    <message>
        <source>Pentatonic m</source>
        <translation>マイナー・ペンタトニック</translation>
    </message>
    <message>
        <source>Diminished</source>
        <translation>ディミニッシュ</translation>
    </message>
    <message>
        <source>Blues</source>
        <translation>ブルース</translation>
    </message>
    <message>
        <source>Augmented</source>
        <translation>オーギュメント</translation>
    </message>
    <message>
        <source>Whole Tone</source>
        <translation>全音音階</translation>
    </message>
    <message>
        <source>Adagio</source>
        <translation>Adagio</translation>
    </message>
    <message>
        <source>Slow &amp;&amp; stately
 (66-76 bpm)</source>
        <translation>ゆっくりと荘重に
 (66-76 bpm)</translation>
    </message>
    <message>
        <source>Allegro</source>
        <translation>Allegro</translation>
    </message>
    <message>
        <source>Fast &amp;&amp; bright
 (120-139 bpm)</source>
        <translation>速く明るく
 (120-139 bpm)</translation>
    </message>
    <message>
        <source>Andante</source>
        <translation>Andante</translation>
    </message>
    <message>
        <source>At a Walking Pace
 (76-108 bpm)</source>
        <translation>歩く速さで
 (76-108 bpm)</translation>
    </message>
    <message>
        <source>Largo</source>
        <translation>Largo</translation>
    </message>
    <message>
        <source>Very slow
 (40-60 bpm)</source>
        <translation>非常にゆっくり
 (40-60 bpm)</translation>
    </message>
    <message>
        <source>Moderato</source>
        <translation>Moderato</translation>
    </message>
    <message>
        <source>Moderately
 (101-110 bpm)</source>
        <translation>中くらいの速さで
 (101-110 bpm)</translation>
    </message>
    <message>
        <source>Presto</source>
        <translation>Presto</translation>
    </message>
    <message>
        <source>Very fast
 (168-200 bpm)</source>
        <translation>非常に速く
 (168-200 bpm)</translation>
    </message>
    <message>
        <source>Vivace</source>
        <translation>Vivace</translation>
    </message>
    <message>
        <source>Lively &amp;&amp; fast
 (130-155 bpm)</source>
        <translation>生き生きと速く
 (130-155 bpm)</translation>
    </message>
</context>
<context>
    <name>QuestionBank</name>
    <message>
        <source>The settings file %1 is a link to no settings file of Orvelle&apos;s; it is left alone, and training goes on without keeping its state.</source>
        <translation>設定ファイル %1 は Orvelle の設定ファイルを指していないリンクです。手を付けずに残し、進み具合を保存せずに練習を続けます。</translation>
    </message>
    <message>
        <source>The settings file %1 is not a regular file; it is left alone, and training goes on without keeping its state.</source>
        <translation>設定ファイル %1 は通常のファイルではありません。手を付けずに残し、進み具合を保存せずに練習を続けます。</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read; it is left alone, and training goes on without keeping its state.</source>
        <translation>設定ファイル %1 を読み込めません。手を付けずに残し、進み具合を保存せずに練習を続けます。</translation>
    </message>
    <message>
        <source>The training state cannot be written to %1. It is kept and will be written as soon as it can be.</source>
        <translation>練習の進み具合を %1 に書き込めません。保持しておき、書き込めるようになりしだい書き込みます。</translation>
    </message>
</context>
<context>
    <name>ReactionChart</name>
    <message>
        <source>Reaction time per note (s)</source>
        <translation>音ごとの反応時間 (秒)</translation>
    </message>
    <message>
        <source>median</source>
        <translation>中央値</translation>
    </message>
</context>
<context>
    <name>ReferenceBar</name>
    <message>
        <source>%1 %2 %</source>
        <extracomment>A mark on the score bar and its per cent: &quot;chance 8.3 %&quot;.</extracomment>
        <translation>%1 %2 %</translation>
    </message>
</context>
<context>
    <name>SessionSummary</name>
    <message>
        <source>Train level 12 again</source>
        <translation>もう一度レベル 12</translation>
    </message>
    <message>
        <source>Next round</source>
        <translation>次のラウンド</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>%1 of %2 right: %3 %, %4 % needed</source>
        <translation>%2 問中 %1 問正解: %3%（合格ライン %4%）</translation>
    </message>
    <message>
        <source>Perfect pitch: all twelve notes</source>
        <translation>絶対音感: 12 音すべて</translation>
    </message>
    <message>
        <source>%1 of %2 right: %3 %. Train level 12 again to keep it.</source>
        <translation>%2 問中 %1 問正解: %3%。維持するにはレベル 12 を続けましょう。</translation>
    </message>
    <message>
        <source>%1 next</source>
        <translation>次は %1</translation>
    </message>
    <message>
        <source>back to %1</source>
        <translation>%1 に戻ります</translation>
    </message>
    <message>
        <source>%1 again</source>
        <translation>もう一度 %1</translation>
    </message>
    <message>
        <source>Level %1 passed: %2</source>
        <translation>レベル %1 合格: %2</translation>
    </message>
    <message>
        <source>Level %1 not passed: %2</source>
        <translation>レベル %1 不合格: %2</translation>
    </message>
</context>
<context>
    <name>SetAsideHistories</name>
    <message>
        <source>Set aside: %1</source>
        <translation>退避済み: %1</translation>
    </message>
    <message>
        <source>Recovering…</source>
        <translation>復元中…</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>復元</translation>
    </message>
</context>
<context>
    <name>SettingsButton</name>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
</context>
<context>
    <name>SettingsPanel</name>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>StartButton</name>
    <message>
        <source>Next round</source>
        <translation>次のラウンド</translation>
    </message>
    <message>
        <source>Replay note</source>
        <translation>もう一度聴く</translation>
    </message>
    <message>
        <source>Continue the adaptive course</source>
        <translation>アダプティブコースを続ける</translation>
    </message>
    <message>
        <source>Continue level %1</source>
        <translation>レベル %1 を続ける</translation>
    </message>
    <message>
        <source>Begin here</source>
        <translation>はじめる</translation>
    </message>
</context>
<context>
    <name>StatisticsButton</name>
    <message>
        <source>Statistics (F2)</source>
        <translation>統計 (F2)</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>統計</translation>
    </message>
</context>
<context>
    <name>StatisticsColors</name>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message numerus="yes">
        <source>%n answers</source>
        <translation>
            <numerusform>%n 回答</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n 日</numerusform>
        </translation>
    </message>
    <message>
        <source>Last 7 days: %1, %2 exact, %3, %4 min.</source>
        <translation>過去 7 日: %1、正確 %2、%3、%4 分</translation>
    </message>
    <message>
        <source>Last 30 days: %1, %2 exact, %3, %4 min.</source>
        <translation>過去 30 日: %1、正確 %2、%3、%4 分</translation>
    </message>
    <message>
        <source>At level %1: %2, %3 exact, %4, %5 min.</source>
        <translation>レベル %1: %2、正確 %3、%4、%5 分</translation>
    </message>
    <message>
        <source>%1: %2 exact, %3 ignoring the octave. Training days in a row: %4.</source>
        <translation>%1: 正確 %2、オクターブを問わず %3。連続練習日数: %4。</translation>
    </message>
    <message>
        <source>All days: %1, %2 min.</source>
        <translation>全期間: %1、%2 分</translation>
    </message>
    <message>
        <source>No answers from MIDI keyboards yet.</source>
        <translation>MIDI キーボードからの回答はまだありません。</translation>
    </message>
    <message>
        <source>No answers on the screen keyboard yet.</source>
        <translation>画面の鍵盤での回答はまだありません。</translation>
    </message>
    <message>
        <source>No answers in the last 7 days.</source>
        <translation>過去 7 日間の回答はありません。</translation>
    </message>
    <message>
        <source>No answers at level %1 yet.</source>
        <translation>レベル %1 の回答はまだありません。</translation>
    </message>
    <message>
        <source>Answer a few questions and your statistics appear here.</source>
        <translation>いくつか問題に答えると、ここに統計が表示されます。</translation>
    </message>
    <message>
        <source>In the adaptive course: %1, %2 exact, %3, %4 min.</source>
        <translation>アダプティブコース: %1、正確 %2、%3、%4 分</translation>
    </message>
    <message>
        <source>No answers in the adaptive course yet.</source>
        <translation>アダプティブコースの回答はまだありません。</translation>
    </message>
</context>
<context>
    <name>StatisticsModel</name>
    <message>
        <source>The answer history cannot be read just now; training goes on.</source>
        <translation>いまは回答履歴を読み込めません。練習は続けられます。</translation>
    </message>
    <message>
        <source>octave</source>
        <translation>オクターブ</translation>
    </message>
</context>
<context>
    <name>StatisticsReport</name>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message numerus="yes">
        <source>%n answers</source>
        <translation>
            <numerusform>%n 回答</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 分</translation>
    </message>
    <message>
        <source>6 semitones (tritone)</source>
        <translation>6 半音 (三全音)</translation>
    </message>
    <message numerus="yes">
        <source>+%n semitones</source>
        <translation>
            <numerusform>+%n 半音</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>-%n semitones</source>
        <translation>
            <numerusform>-%n 半音</numerusform>
        </translation>
    </message>
    <message>
        <source>Note</source>
        <translation>音</translation>
    </message>
    <message>
        <source>asked</source>
        <translation>出題</translation>
    </message>
    <message>
        <source>exact</source>
        <translation>正確</translation>
    </message>
    <message>
        <source>ignoring the octave</source>
        <translation>オクターブ問わず</translation>
    </message>
    <message>
        <source>median reaction</source>
        <translation>反応時間の中央値</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>Wrong answers: %1</source>
        <translation>誤答: %1</translation>
    </message>
    <message>
        <source>right note, other octave</source>
        <translation>音名は正しくオクターブ違い</translation>
    </message>
    <message>
        <source>mean error, octaves ignored: %1 semitones</source>
        <translation>平均のずれ (オクターブを除く): %1 半音</translation>
    </message>
    <message>
        <source>No answers yet: answer a few questions and your statistics appear here.</source>
        <translation>まだ回答がありません。いくつか問題に答えると、ここに統計が表示されます。</translation>
    </message>
    <message>
        <source>%1: %2 exact, %3 ignoring the octave</source>
        <translation>%1: 正確 %2、オクターブを問わず %3</translation>
    </message>
    <message>
        <source>Last 7 days: %1 on %2, %3 exact, %4 ignoring the octave, %5</source>
        <translation>過去 7 日: %2 で %1、正確 %3、オクターブを問わず %4、%5</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n 日</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 exact</source>
        <translation>正確 %1</translation>
    </message>
    <message>
        <source>%1 ignoring the octave</source>
        <translation>オクターブ問わず %1</translation>
    </message>
    <message>
        <source>Training days in a row: %1</source>
        <translation>連続練習日数: %1</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>Statistics</source>
        <translation>統計</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>期間</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>全期間</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>過去 7 日</translation>
    </message>
    <message>
        <source>Answers from</source>
        <translation>回答の入力</translation>
    </message>
    <message>
        <source>All answers</source>
        <translation>すべて</translation>
    </message>
    <message>
        <source>MIDI keyboards</source>
        <translation>MIDI キーボード</translation>
    </message>
    <message>
        <source>On screen</source>
        <translation>画面</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Reading your answers…</source>
        <translation>回答を読み込んでいます…</translation>
    </message>
    <message>
        <source>Right answers per question</source>
        <translation>問題ごとの正答率</translation>
    </message>
    <message>
        <source>Heat map</source>
        <translation>ヒートマップ</translation>
    </message>
    <message>
        <source>By key</source>
        <translation>鍵盤ごと</translation>
    </message>
    <message>
        <source>By pitch class</source>
        <translation>音名ごと</translation>
    </message>
    <message>
        <source>Mean error, octaves ignored: %1 semitones</source>
        <translation>平均のずれ (オクターブを除く): %1 半音</translation>
    </message>
    <message>
        <source>Confusions: question (row) and answer (column)</source>
        <translation>取り違え: 出題 (行) と回答 (列)</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>ページ</translation>
    </message>
    <message>
        <source>Training</source>
        <translation>練習</translation>
    </message>
    <message>
        <source>Pitch tests</source>
        <translation>絶対音感テスト</translation>
    </message>
    <message>
        <source>This course</source>
        <translation>このコース</translation>
    </message>
</context>
<context>
    <name>TrainingSettings</name>
    <message>
        <source>After a wrong answer</source>
        <translation>間違えたとき</translation>
    </message>
    <message>
        <source>Go on to the next question at once</source>
        <translation>すぐに次の問題へ</translation>
    </message>
    <message>
        <source>Pause 2 s and play the right note once more</source>
        <translation>2 秒おいて正しい音をもう一度鳴らす</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>鍵盤</translation>
    </message>
    <message>
        <source>Name the C keys (%1 to %2)</source>
        <translation>C の鍵に音名を表示 (%1〜%2)</translation>
    </message>
</context>
<context>
    <name>TrendChart</name>
    <message>
        <source>Day by day</source>
        <translation>日ごとの推移</translation>
    </message>
    <message>
        <source>exact</source>
        <translation>正確</translation>
    </message>
    <message>
        <source>ignoring octave</source>
        <translation>オクターブ問わず</translation>
    </message>
    <message>
        <source>median reaction</source>
        <translation>反応時間の中央値</translation>
    </message>
</context>
</TS>
