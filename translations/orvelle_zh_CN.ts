<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AnswerHistory</name>
    <message>
        <source>The answer history %1 cannot be read</source>
        <translation>无法读取回答记录 %1</translation>
    </message>
    <message>
        <source>The history cannot be written: the disk is full. Your answers are kept and will be written when space is free.</source>
        <translation>无法写入记录：磁盘已满。你的回答已保留，有空间后会写入。</translation>
    </message>
    <message>
        <source>The history cannot be written: its file or folder is read-only. Your answers are kept and will be written when it can be.</source>
        <translation>无法写入记录：文件或文件夹为只读。你的回答已保留，可以写入时会写入。</translation>
    </message>
    <message>
        <source>The history cannot be written: another program is using it. Your answers are kept and will be written when it is free.</source>
        <translation>无法写入记录：另一个程序正在使用它。你的回答已保留，空闲后会写入。</translation>
    </message>
    <message>
        <source>The history cannot be written just now. Your answers are kept and will be written when it can be.</source>
        <translation>暂时无法写入记录。你的回答已保留，可以写入时会写入。</translation>
    </message>
    <message>
        <source>The answer history was written by a newer version of Orvelle; it is left as it is, and this version trains without recording answers.</source>
        <translation>回答记录来自更新版本的 Orvelle；它将保持原样，本版本练习时不记录回答。</translation>
    </message>
    <message>
        <source>The answer history %1 cannot be started; training goes on without recording answers.</source>
        <translation>无法创建回答记录 %1；练习继续，但不记录回答。</translation>
    </message>
    <message>
        <source>The answer history %1 is damaged and cannot be set aside; it is kept as it is, and training goes on without recording answers.</source>
        <translation>回答记录 %1 已损坏且无法移到一旁；它将保持原样，练习继续，但不记录回答。</translation>
    </message>
    <message>
        <source>The answer history was damaged and set aside as %1, but %2 cannot be moved; training goes on without recording answers.</source>
        <translation>回答记录已损坏，已移到一旁存为 %1，但无法移动 %2；练习继续，但不记录回答。</translation>
    </message>
    <message>
        <source>The answer history was damaged; it was set aside as %1 and a new one started. The statistics window can recover its answers.</source>
        <translation>回答记录已损坏；已移到一旁存为 %1，并开始了新的记录。可在统计窗口中恢复其中的回答。</translation>
    </message>
    <message>
        <source>%1 cannot be opened</source>
        <translation>无法打开 %1</translation>
    </message>
    <message>
        <source>%1 cannot be read at all</source>
        <translation>%1 完全无法读取</translation>
    </message>
    <message>
        <source>the history cannot be written: %1</source>
        <translation>无法写入记录：%1</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Orvelle cannot play notes and has to stop: %1</source>
        <translation>Orvelle 无法发出声音，必须退出：%1</translation>
    </message>
    <message>
        <source>%1 (error %2)</source>
        <translation>%1（错误 %2）</translation>
    </message>
</context>
<context>
    <name>Arrow</name>
    <message>
        <source>Previous page</source>
        <translation>上一页</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>下一页</translation>
    </message>
</context>
<context>
    <name>ClassStrip</name>
    <message>
        <source>octave %1</source>
        <translation>八度 %1</translation>
    </message>
</context>
<context>
    <name>ColorSwitch</name>
    <message>
        <source>Color hint</source>
        <translation>颜色提示</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>未知选项“%1”。</translation>
    </message>
    <message>
        <source>Orvelle needs a graphical display (DISPLAY or WAYLAND_DISPLAY is not set)</source>
        <translation>Orvelle 需要图形显示（未设置 DISPLAY 或 WAYLAND_DISPLAY）</translation>
    </message>
    <message>
        <source>orvelle: %1
Try &apos;orvelle --help&apos;.
</source>
        <translation>orvelle：%1
请尝试“orvelle --help”。
</translation>
    </message>
    <message>
        <source>orvelle: unexpected argument &apos;%1&apos;
Try &apos;orvelle --help&apos;.
</source>
        <translation>orvelle：意外的参数“%1”
请尝试“orvelle --help”。
</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n answers to standard output</source>
        <translation>
            <numerusform>已将 %n 个回答写入标准输出</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n answers to %1</source>
        <translation>
            <numerusform>已将 %n 个回答写入 %1</numerusform>
        </translation>
    </message>
    <message>
        <source>the answer history %1 cannot be read</source>
        <translation>无法读取回答记录 %1</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n pitch test trials to %1</source>
        <translation>
            <numerusform>已将 %n 条绝对音感测试记录写入 %1</numerusform>
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
        <translation>无法启动合成器；将不会发出声音</translation>
    </message>
    <message>
        <source>no General MIDI soundfont found (looked for %1); notes will be silent</source>
        <translation>未找到 General MIDI 音色库（查找了：%1）；将不会发出声音</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>无</translation>
    </message>
    <message>
        <source>audio output is unavailable (no sound server or sound card); notes will be silent</source>
        <translation>没有可用的音频输出（没有声音服务器或声卡）；将不会发出声音</translation>
    </message>
    <message>
        <source>rendering offline with %1</source>
        <translation>使用 %1 离线渲染</translation>
    </message>
    <message>
        <source>playing %1 through %2</source>
        <translation>通过 %2 播放 %1</translation>
    </message>
</context>
<context>
    <name>Core::Timer</name>
    <message>
        <source>Error starting timer</source>
        <translation>无法启动计时器</translation>
    </message>
</context>
<context>
    <name>Course</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 和 %2</translation>
    </message>
    <message>
        <source>locked</source>
        <translation>未解锁</translation>
    </message>
    <message>
        <source>learning</source>
        <translation>学习中</translation>
    </message>
    <message>
        <source>secure</source>
        <translation>已巩固</translation>
    </message>
    <message>
        <source>mastered</source>
        <translation>已掌握</translation>
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
        <translation>没有音改变状态。</translation>
    </message>
    <message>
        <source>Answer within %1 s to count as fast (%2 s before).</source>
        <translation>在 %1 秒内作答才算快速（之前为 %2 秒）。</translation>
    </message>
    <message>
        <source>Answer within %1 s to count as fast.</source>
        <translation>在 %1 秒内作答才算快速。</translation>
    </message>
    <message>
        <source>All twelve notes are in the course.</source>
        <translation>十二个音都已在课程中。</translation>
    </message>
    <message>
        <source>%1 comes next.</source>
        <translation>下一个是 %1。</translation>
    </message>
    <message>
        <source>%1 comes next, once %2 are secure.</source>
        <translation>等 %2 巩固后，下一个是 %1。</translation>
    </message>
    <message>
        <source>%1 comes next, once %2 is secure.</source>
        <translation>等 %2 巩固后，下一个是 %1。</translation>
    </message>
    <message>
        <source>Round %1: %2 of %3 right</source>
        <translation>第 %1 轮：%3 个中答对 %2 个</translation>
    </message>
    <message numerus="yes">
        <source>You hear %1 as %2: %n times</source>
        <translation>
            <numerusform>你把 %1 听成 %2：%n 次</numerusform>
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
        <translation>MIDI 键盘</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>声音</translation>
    </message>
    <message>
        <source>Sound output</source>
        <translation>声音输出</translation>
    </message>
</context>
<context>
    <name>DeviceChoice</name>
    <message>
        <source>(unnamed port)</source>
        <translation>（未命名端口）</translation>
    </message>
    <message>
        <source>All MIDI keyboards</source>
        <translation>所有 MIDI 键盘</translation>
    </message>
    <message>
        <source>Built-in synthesizer</source>
        <translation>内置合成器</translation>
    </message>
    <message>
        <source>First MIDI output</source>
        <translation>第一个 MIDI 输出</translation>
    </message>
    <message>
        <source>No MIDI found</source>
        <translation>未找到 MIDI</translation>
    </message>
    <message>
        <source>%1 (cannot open)</source>
        <translation>%1（无法打开）</translation>
    </message>
    <message>
        <source>%1 (not connected)</source>
        <translation>%1（未连接）</translation>
    </message>
    <message>
        <source>Using the %1 keyboard device</source>
        <translation>正在使用 MIDI 键盘：%1</translation>
    </message>
</context>
<context>
    <name>ErrorKindsChart</name>
    <message>
        <source>Wrong answers by kind</source>
        <translation>错误类型</translation>
    </message>
    <message>
        <source>share of wrong answers</source>
        <translation>占错误回答的比例</translation>
    </message>
</context>
<context>
    <name>FeedbackLine</name>
    <message>
        <source>You played %1 — it was %2</source>
        <translation>你弹了 %1 — 正确答案是 %2</translation>
    </message>
</context>
<context>
    <name>Header</name>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>隐藏</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>开</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>关</translation>
    </message>
    <message>
        <source>Color hint</source>
        <translation>颜色提示</translation>
    </message>
</context>
<context>
    <name>HeatMap</name>
    <message>
        <source>%1: never asked</source>
        <translation>%1：尚未出题</translation>
    </message>
    <message>
        <source>%1: %2 of %3 right (%4)</source>
        <translation>%1：%3 题答对 %2 题（%4）</translation>
    </message>
    <message>
        <source>100 % right</source>
        <translation>100% 正确</translation>
    </message>
    <message>
        <source>never asked</source>
        <translation>尚未出题</translation>
    </message>
    <message>
        <source>Point at a key to see its answers.</source>
        <translation>指向一个琴键即可查看它的回答。</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Orvelle is software for developing absolute pitch, also called perfect pitch: the ability to recognise a note by ear alone, without a reference tone. For a musician it is a precious skill, because the sound you hear in your mind leads straight to the right note on your instrument. Absolute pitch is not only a gift you are born with. It can be developed over time with the right method, and Orvelle is built on that method.</source>
        <translation>Orvelle 是一款培养绝对音感的软件。绝对音感是指不借助参考音、仅凭听觉就能辨认音高的能力。对音乐人来说，这是一项宝贵的本领，因为你脑海中听到的声音会直接引导你找到乐器上正确的音。绝对音感并不只是天赋，用正确的方法坚持练习也能逐步培养，而 Orvelle 正是基于这种方法。</translation>
    </message>
    <message>
        <source>You begin with a single note, played equally often in all octaves of the piano. Orvelle follows your answers, and when you are ready it adds a second note, then a third, until all 12 notes of the chromatic scale are played across every octave. If you prefer, you can choose yourself how many notes are played by clicking a level above the progress strip.</source>
        <translation>你将从一个音开始，它会在钢琴的所有八度中出现同样多次。Orvelle 会跟踪你的回答，在你准备好时加入第二个音、第三个音，直到半音阶的全部 12 个音在每个八度中出现。你也可以点击进度条上方的级别，自己选择练习几个音。</translation>
    </message>
    <message>
        <source>Colour can help you memorise the sound of a tone. When the colour hint is switched on, the window takes on the colour of each note while it is played, so that every note gets a face of its own.</source>
        <translation>颜色可以帮助你记住一个音的声音。打开颜色提示后，每个音响起时窗口都会变成这个音的颜色，让每个音都有自己的面孔。</translation>
    </message>
    <message>
        <source>To answer, click the right key with the mouse on the keyboard at the bottom of the window. You can also plug a MIDI keyboard into your computer by USB: its keys count exactly like clicks on the keyboard on the screen. Only the exact key counts, octave included.</source>
        <translation>回答时，用鼠标点击窗口底部键盘上正确的琴键。你也可以通过 USB 把 MIDI 键盘连接到电脑：它的琴键与点击屏幕键盘完全相同。只有完全正确的琴键才算对，包括八度。</translation>
    </message>
    <message>
        <source>The way to absolute pitch</source>
        <translation>通往绝对音感之路</translation>
    </message>
    <message>
        <source>Color hint</source>
        <translation>颜色提示</translation>
    </message>
    <message>
        <source>Midi and graphical keyboard</source>
        <translation>MIDI 键盘和屏幕键盘</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Close help</source>
        <translation>关闭帮助</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>第 %1 页</translation>
    </message>
    <message>
        <source>Don&apos;t show this anymore at programm startup</source>
        <translation>启动时不再显示</translation>
    </message>
    <message>
        <source>Visit our website</source>
        <translation>访问我们的网站</translation>
    </message>
</context>
<context>
    <name>HistoryExport</name>
    <message>
        <source>The answer history %1 cannot be read</source>
        <translation>无法读取回答记录 %1</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>%1 is one of Orvelle&apos;s own files; the export does not write over it</source>
        <translation>%1 是 Orvelle 自己的文件；导出不会覆盖它</translation>
    </message>
    <message>
        <source>Standard output cannot be written: %1</source>
        <translation>无法写入标准输出：%1</translation>
    </message>
    <message>
        <source>Standard output</source>
        <translation>标准输出</translation>
    </message>
</context>
<context>
    <name>HistoryRecovery</name>
    <message>
        <source>Not recovered: %1.</source>
        <translation>未恢复：%1。</translation>
    </message>
    <message numerus="yes">
        <source>%n answers recovered; %1 could not be read.</source>
        <translation>
            <numerusform>已恢复 %n 个回答；%1 个无法读取。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n answers recovered.</source>
        <translation>
            <numerusform>已恢复 %n 个回答。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n finished pitch tests recovered.</source>
        <translation>
            <numerusform>已恢复 %n 次已完成的绝对音感测试。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>InstrumentSettings</name>
    <message>
        <source>Instrument</source>
        <translation>乐器</translation>
    </message>
    <message>
        <source>Each question is played on one of the ticked instruments, at random.</source>
        <translation>每道题随机使用一种已勾选的乐器演奏。</translation>
    </message>
    <message>
        <source>The questions are played on this instrument.</source>
        <translation>题目用这种乐器演奏。</translation>
    </message>
    <message>
        <source>Vary the instrument</source>
        <translation>变换乐器</translation>
    </message>
    <message>
        <source>Reference pitch</source>
        <translation>标准音高</translation>
    </message>
    <message>
        <source>Lower the reference pitch</source>
        <translation>降低标准音高</translation>
    </message>
    <message>
        <source>Raise the reference pitch</source>
        <translation>升高标准音高</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>440 Hz is concert pitch; 415 Hz is usual for baroque music, 442 to 446 Hz for many orchestras.</source>
        <translation>440 Hz 是国际标准音高；巴洛克音乐常用 415 Hz，许多乐团使用 442 至 446 Hz。</translation>
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
        <translation>钢琴</translation>
    </message>
    <message>
        <source>Electric piano</source>
        <translation>电钢琴</translation>
    </message>
    <message>
        <source>Harpsichord</source>
        <translation>羽管键琴</translation>
    </message>
    <message>
        <source>Organ</source>
        <translation>管风琴</translation>
    </message>
    <message>
        <source>Guitar</source>
        <translation>吉他</translation>
    </message>
    <message>
        <source>Violin</source>
        <translation>小提琴</translation>
    </message>
    <message>
        <source>Flute</source>
        <translation>长笛</translation>
    </message>
    <message>
        <source>Clarinet</source>
        <translation>单簧管</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation>小号</translation>
    </message>
    <message>
        <source>Choir</source>
        <translation>合唱</translation>
    </message>
    <message>
        <source>Vibraphone</source>
        <translation>颤音琴</translation>
    </message>
    <message>
        <source>Marimba</source>
        <translation>马林巴</translation>
    </message>
    <message>
        <source>Pure tone</source>
        <translation>纯音</translation>
    </message>
</context>
<context>
    <name>LanguageSettings</name>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>System</source>
        <translation>跟随系统</translation>
    </message>
    <message>
        <source>The language changes at the next start.</source>
        <translation>语言将在下次启动时更改。</translation>
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
        <translation>C D E … H（B 表示 B♭）</translation>
    </message>
    <message>
        <source>Do Ré Mi … Si</source>
        <translation>Do Re Mi … Si（固定唱名）</translation>
    </message>
    <message>
        <source>middle C = C4</source>
        <translation>中央 C = C4</translation>
    </message>
    <message>
        <source>middle C = do 3</source>
        <translation>中央 C = do 3</translation>
    </message>
</context>
<context>
    <name>LeaveLevelDialog</name>
    <message>
        <source>Start level %1 again? Your answers in this round are kept in the history.</source>
        <translation>重新开始第 %1 级？本轮的回答会保留在历史记录中。</translation>
    </message>
    <message>
        <source>Leave level %1? Your answers in this round are kept in the history.</source>
        <translation>离开第 %1 级？本轮的回答会保留在历史记录中。</translation>
    </message>
    <message>
        <source>Stay</source>
        <translation>留下</translation>
    </message>
    <message>
        <source>Leave</source>
        <translation>离开</translation>
    </message>
</context>
<context>
    <name>LevelArea</name>
    <message>
        <source>Guess the note</source>
        <translation>听音辨音</translation>
    </message>
    <message>
        <source>Level: number of notes</source>
        <translation>级别：音的数量</translation>
    </message>
    <message>
        <source>Level %1 of %2</source>
        <translation>第 %1 级，共 %2 级</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>第 %1 级</translation>
    </message>
    <message>
        <source>Click on note</source>
        <translation>点击音符</translation>
    </message>
    <message>
        <source>PERFECT PITCH</source>
        <translation>绝对音感</translation>
    </message>
</context>
<context>
    <name>LevelTiles</name>
    <message>
        <source>LEVEL</source>
        <translation>级别</translation>
    </message>
</context>
<context>
    <name>PitchTest</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>Pitch test</source>
        <translation>绝对音感测试</translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>无法写入 %1</translation>
    </message>
    <message>
        <source>Finished %1; order seed %2</source>
        <translation>完成于 %1；出题顺序种子 %2</translation>
    </message>
    <message>
        <source>Pitch class right, all tones: %1 %</source>
        <translation>音名正确率（全部音）：%1 %</translation>
    </message>
    <message>
        <source>Pitch class right</source>
        <translation>音名正确率</translation>
    </message>
    <message>
        <source>Exact key (octave too)</source>
        <translation>琴键完全正确率（含八度）</translation>
    </message>
    <message>
        <source>Points (1 right, 0.75 a semitone off)</source>
        <translation>得分（正确得 1 分，差半音得 0.75 分）</translation>
    </message>
    <message>
        <source>Mean error (semitones, 0-6)</source>
        <translation>平均误差（半音，0–6）</translation>
    </message>
    <message>
        <source>Bias (+ sharp, - flat)</source>
        <translation>偏向（+ 偏高，- 偏低）</translation>
    </message>
    <message>
        <source>Median reaction time</source>
        <translation>反应时间中位数</translation>
    </message>
    <message>
        <source>Right answers within 2.0 s</source>
        <translation>2.0 秒内的正确回答</translation>
    </message>
    <message>
        <source>Absolute pitch line (24.5 of 36 on pure tones): reached</source>
        <translation>绝对音感标准线（纯音 36 题中 24.5 分）：已达到</translation>
    </message>
    <message>
        <source>Absolute pitch line (24.5 of 36 on pure tones): not reached</source>
        <translation>绝对音感标准线（纯音 36 题中 24.5 分）：未达到</translation>
    </message>
    <message>
        <source>No pitch test finished yet.</source>
        <translation>还没有完成的绝对音感测试。</translation>
    </message>
    <message>
        <source>Finished            Pure tone  Piano   Pitch class  Exact key  AP line</source>
        <translation>完成时间               纯音    钢琴         音名       琴键  标准线</translation>
    </message>
    <message>
        <source>reached</source>
        <translation>已达到</translation>
    </message>
    <message>
        <source>not reached</source>
        <translation>未达到</translation>
    </message>
    <message>
        <source>Piano</source>
        <translation>钢琴</translation>
    </message>
    <message>
        <source>Pure tone</source>
        <translation>纯音</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>总计</translation>
    </message>
    <message>
        <source>chance</source>
        <translation>随机猜测</translation>
    </message>
    <message>
        <source>non-possessors</source>
        <translation>无绝对音感者</translation>
    </message>
    <message>
        <source>possessors</source>
        <translation>有绝对音感者</translation>
    </message>
    <message>
        <source>Right per pitch class (all tones)</source>
        <translation>各音名的正确数（全部音）</translation>
    </message>
    <message>
        <source>Confusions (rows: tone played; columns: key answered)</source>
        <translation>混淆（行：播放的音；列：回答的琴键）</translation>
    </message>
    <message>
        <source>Pitch tests cannot be kept: there is no answer history.</source>
        <translation>无法保存绝对音感测试：没有回答记录。</translation>
    </message>
    <message>
        <source>Pitch tests cannot be kept: the answer history cannot be opened.</source>
        <translation>无法保存绝对音感测试：无法打开回答记录。</translation>
    </message>
    <message>
        <source>no version</source>
        <translation>无版本信息</translation>
    </message>
    <message>
        <source>Pitch tests are not kept: the answer history comes from a newer version of the program.</source>
        <translation>不保存绝对音感测试：回答记录来自本程序的较新版本。</translation>
    </message>
    <message>
        <source>tables missing</source>
        <translation>缺少数据表</translation>
    </message>
    <message>
        <source>The pitch tests in the answer history cannot be read (%1); training is not affected.</source>
        <translation>无法读取回答记录中的绝对音感测试（%1）；练习不受影响。</translation>
    </message>
    <message>
        <source>tests</source>
        <translation>测试</translation>
    </message>
    <message>
        <source>test %1</source>
        <translation>测试 %1</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>The pitch tests cannot be read</source>
        <translation>无法读取绝对音感测试</translation>
    </message>
</context>
<context>
    <name>PitchTest::TestController</name>
    <message>
        <source>Pure tones and the noise come from the built-in synthesiser; the output chosen plays its own sound instead. Choose the built-in synthesiser in the settings for a test that counts.</source>
        <translation>纯音和噪声来自内置合成器；当前选择的输出会改用它自己的音色。要让测试有效，请在设置中选择内置合成器。</translation>
    </message>
    <message>
        <source>Pitch tests cannot be kept: there is no answer history.</source>
        <translation>无法保存绝对音感测试：没有回答记录。</translation>
    </message>
    <message>
        <source>This test is not being kept: the answer history cannot be written.</source>
        <translation>本次测试未被保存：无法写入回答记录。</translation>
    </message>
    <message>
        <source>Right: %1</source>
        <translation>正确：%1</translation>
    </message>
    <message>
        <source>It was %1; you played %2</source>
        <translation>是 %1；你弹的是 %2</translation>
    </message>
    <message>
        <source>Answers wait to be kept: the answer history cannot be written just now.</source>
        <translation>回答等待保存：暂时无法写入回答记录。</translation>
    </message>
    <message>
        <source>There is no report to print yet.</source>
        <translation>还没有可打印的报告。</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>已保存到 %1</translation>
    </message>
</context>
<context>
    <name>PitchTestButton</name>
    <message>
        <source>Pitch test (Ctrl+T)</source>
        <translation>绝对音感测试（Ctrl+T）</translation>
    </message>
    <message>
        <source>Pitch test</source>
        <translation>绝对音感测试</translation>
    </message>
</context>
<context>
    <name>PitchTestIntro</name>
    <message>
        <source>Pitch test</source>
        <translation>绝对音感测试</translation>
    </message>
    <message>
        <source>72 notes, about 8 minutes: 36 on the piano and 36 pure tones, in two blocks with a rest between. First 4 practice notes tell you whether you were right; after that there is no feedback until the end. Answer with any key of the right name: the octave is scored separately. Each answer is followed by 2 seconds of noise. Escape leaves the test; you can take it up again later.</source>
        <translation>72 个音，约 8 分钟：钢琴 36 个、纯音 36 个，分两组进行，中间休息一次。前 4 个练习音会告诉你是否答对；之后直到结束都不再提示。用任一音名正确的琴键作答即可：八度另行计分。每次作答后会播放 2 秒噪声。按 Esc 退出测试；之后可以继续。</translation>
    </message>
    <message numerus="yes">
        <source>A test you began has %n of 72 notes answered. Resume it, or discard it to start again.</source>
        <translation>
            <numerusform>有一次未完成的测试，已回答 72 个音中的 %n 个。请继续该测试，或放弃它重新开始。</numerusform>
        </translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>放弃</translation>
    </message>
    <message>
        <source>Back to training</source>
        <translation>返回练习</translation>
    </message>
</context>
<context>
    <name>PitchTestPanel</name>
    <message>
        <source>Pitch test</source>
        <translation>绝对音感测试</translation>
    </message>
</context>
<context>
    <name>PitchTestReport</name>
    <message>
        <source>Pitch test — %1</source>
        <translation>绝对音感测试 — %1</translation>
    </message>
    <message>
        <source>Piano</source>
        <translation>钢琴</translation>
    </message>
    <message>
        <source>Pure tone</source>
        <translation>纯音</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>总计</translation>
    </message>
    <message>
        <source>Pitch class right, all tones: %1 %</source>
        <translation>音名正确率（全部音）：%1 %</translation>
    </message>
    <message>
        <source>chance</source>
        <translation>随机猜测</translation>
    </message>
    <message>
        <source>non-possessors</source>
        <translation>无绝对音感者</translation>
    </message>
    <message>
        <source>possessors</source>
        <translation>有绝对音感者</translation>
    </message>
    <message>
        <source>Right per pitch class</source>
        <translation>各音名的正确数</translation>
    </message>
    <message>
        <source>Confusions (rows: note played, columns: key answered)</source>
        <translation>混淆（行：播放的音，列：回答的琴键）</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>另存为 PDF</translation>
    </message>
    <message>
        <source>Back to training</source>
        <translation>返回练习</translation>
    </message>
</context>
<context>
    <name>PitchTestRest</name>
    <message>
        <source>Rest: %1 s</source>
        <translation>休息：%1 秒</translation>
    </message>
    <message>
        <source>Half way. The second block begins when the rest is over.</source>
        <translation>已完成一半。休息结束后开始第二组。</translation>
    </message>
    <message>
        <source>Go on now</source>
        <translation>立即继续</translation>
    </message>
</context>
<context>
    <name>PitchTestScores</name>
    <message>
        <source>No pitch test finished yet. Ctrl+T starts one.</source>
        <translation>还没有完成的绝对音感测试。按 Ctrl+T 开始一次。</translation>
    </message>
    <message>
        <source>Pitch tests</source>
        <translation>绝对音感测试</translation>
    </message>
    <message>
        <source>pure tones (of 36)</source>
        <translation>纯音（满分 36）</translation>
    </message>
    <message>
        <source>piano (of 36)</source>
        <translation>钢琴（满分 36）</translation>
    </message>
    <message>
        <source>absolute pitch line, 24.5</source>
        <translation>绝对音感标准线，24.5</translation>
    </message>
    <message>
        <source>%1   pure tones %2   piano %3   pitch class %4 %   exact key %5 %   AP line reached</source>
        <extracomment>One finished test: date, points of 36 on pure tones and piano, per cent right.</extracomment>
        <translation>%1   纯音 %2   钢琴 %3   音名 %4 %   琴键 %5 %   达到标准线</translation>
    </message>
    <message>
        <source>%1   pure tones %2   piano %3   pitch class %4 %   exact key %5 %</source>
        <translation>%1   纯音 %2   钢琴 %3   音名 %4 %   琴键 %5 %</translation>
    </message>
</context>
<context>
    <name>PitchTestTrial</name>
    <message>
        <source>Practice %1 of %2</source>
        <translation>练习 %1 / %2</translation>
    </message>
    <message>
        <source>Note %1 of %2</source>
        <translation>第 %1 / %2 个音</translation>
    </message>
    <message>
        <source>Which note was it?</source>
        <translation>这是哪个音？</translation>
    </message>
    <message>
        <source>Escape leaves the test; it can be resumed.</source>
        <translation>按 Esc 退出测试；之后可以继续。</translation>
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
        <translation>纯一度</translation>
    </message>
    <message>
        <source>Minor second</source>
        <translation>小二度</translation>
    </message>
    <message>
        <source>Major second</source>
        <translation>大二度</translation>
    </message>
    <message>
        <source>Minor third</source>
        <translation>小三度</translation>
    </message>
    <message>
        <source>Major third</source>
        <translation>大三度</translation>
    </message>
    <message>
        <source>Perfect fourth</source>
        <translation>纯四度</translation>
    </message>
    <message>
        <source>Tritone</source>
        <translation>三全音</translation>
    </message>
    <message>
        <source>Perfect fifth</source>
        <translation>纯五度</translation>
    </message>
    <message>
        <source>Minor sixth</source>
        <translation>小六度</translation>
    </message>
    <message>
        <source>Major sixth</source>
        <translation>大六度</translation>
    </message>
    <message>
        <source>Minor seventh</source>
        <translation>小七度</translation>
    </message>
    <message>
        <source>Major seventh</source>
        <translation>大七度</translation>
    </message>
    <message>
        <source>Perfect octave</source>
        <translation>纯八度</translation>
    </message>
    <message>
        <source>Major</source>
        <translation>大调</translation>
    </message>
    <message>
        <source>Natural m</source>
        <translation>自然小调</translation>
    </message>
    <message>
        <source>Harmonic m</source>
        <translation>和声小调</translation>
    </message>
    <message>
        <source>Melodic m</source>
        <translation>旋律小调</translation>
    </message>
    <message>
        <source>Pentatonic</source>
        <translation>五声音阶</translation>
    </message>
    <message>
        <source>Pentatonic m</source>
        <translation>小调五声音阶</translation>
    </message>
    <message>
        <source>Diminished</source>
        <translation>减音阶</translation>
    </message>
    <message>
        <source>Blues</source>
        <translation>布鲁斯</translation>
    </message>
    <message>
        <source>Augmented</source>
        <translation>增音阶</translation>
    </message>
    <message>
        <source>Whole Tone</source>
        <translation>全音音阶</translation>
    </message>
    <message>
        <source>Adagio</source>
        <translation>Adagio</translation>
    </message>
    <message>
        <source>Slow &amp;&amp; stately
 (66-76 bpm)</source>
        <translation>缓慢庄严
 (66-76 bpm)</translation>
    </message>
    <message>
        <source>Allegro</source>
        <translation>Allegro</translation>
    </message>
    <message>
        <source>Fast &amp;&amp; bright
 (120-139 bpm)</source>
        <translation>快速明朗
 (120-139 bpm)</translation>
    </message>
    <message>
        <source>Andante</source>
        <translation>Andante</translation>
    </message>
    <message>
        <source>At a Walking Pace
 (76-108 bpm)</source>
        <translation>步行速度
 (76-108 bpm)</translation>
    </message>
    <message>
        <source>Largo</source>
        <translation>Largo</translation>
    </message>
    <message>
        <source>Very slow
 (40-60 bpm)</source>
        <translation>非常缓慢
 (40-60 bpm)</translation>
    </message>
    <message>
        <source>Moderato</source>
        <translation>Moderato</translation>
    </message>
    <message>
        <source>Moderately
 (101-110 bpm)</source>
        <translation>中速
 (101-110 bpm)</translation>
    </message>
    <message>
        <source>Presto</source>
        <translation>Presto</translation>
    </message>
    <message>
        <source>Very fast
 (168-200 bpm)</source>
        <translation>非常快
 (168-200 bpm)</translation>
    </message>
    <message>
        <source>Vivace</source>
        <translation>Vivace</translation>
    </message>
    <message>
        <source>Lively &amp;&amp; fast
 (130-155 bpm)</source>
        <translation>活泼快速
 (130-155 bpm)</translation>
    </message>
</context>
<context>
    <name>QuestionBank</name>
    <message>
        <source>The settings file %1 is a link to no settings file of Orvelle&apos;s; it is left alone, and training goes on without keeping its state.</source>
        <translation>设置文件 %1 是一个不指向任何 Orvelle 设置文件的链接；它不会被改动，练习继续，但不保存进度。</translation>
    </message>
    <message>
        <source>The settings file %1 is not a regular file; it is left alone, and training goes on without keeping its state.</source>
        <translation>设置文件 %1 不是普通文件；它不会被改动，练习继续，但不保存进度。</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read; it is left alone, and training goes on without keeping its state.</source>
        <translation>无法读取设置文件 %1；它不会被改动，练习继续，但不保存进度。</translation>
    </message>
    <message>
        <source>The training state cannot be written to %1. It is kept and will be written as soon as it can be.</source>
        <translation>无法将练习进度写入 %1。进度已保留，一旦可以就会写入。</translation>
    </message>
</context>
<context>
    <name>ReactionChart</name>
    <message>
        <source>Reaction time per note (s)</source>
        <translation>每个音的反应时间（秒）</translation>
    </message>
    <message>
        <source>median</source>
        <translation>中位数</translation>
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
        <translation>再练第 12 级</translation>
    </message>
    <message>
        <source>Next round</source>
        <translation>下一轮</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 和 %2</translation>
    </message>
    <message>
        <source>%1 of %2 right: %3 %, %4 % needed</source>
        <translation>%2 题答对 %1 题：%3%，需要 %4%</translation>
    </message>
    <message>
        <source>Perfect pitch: all twelve notes</source>
        <translation>绝对音感：全部十二个音</translation>
    </message>
    <message>
        <source>%1 of %2 right: %3 %. Train level 12 again to keep it.</source>
        <translation>%2 题答对 %1 题：%3%。继续练习第 12 级以保持。</translation>
    </message>
    <message>
        <source>%1 next</source>
        <translation>接下来：%1</translation>
    </message>
    <message>
        <source>back to %1</source>
        <translation>退回：%1</translation>
    </message>
    <message>
        <source>%1 again</source>
        <translation>再练：%1</translation>
    </message>
    <message>
        <source>Level %1 passed: %2</source>
        <translation>第 %1 级通过：%2</translation>
    </message>
    <message>
        <source>Level %1 not passed: %2</source>
        <translation>第 %1 级未通过：%2</translation>
    </message>
</context>
<context>
    <name>SetAsideHistories</name>
    <message>
        <source>Set aside: %1</source>
        <translation>已搁置：%1</translation>
    </message>
    <message>
        <source>Recovering…</source>
        <translation>正在恢复…</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>恢复</translation>
    </message>
</context>
<context>
    <name>SettingsButton</name>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
</context>
<context>
    <name>SettingsPanel</name>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>StartButton</name>
    <message>
        <source>Next round</source>
        <translation>下一轮</translation>
    </message>
    <message>
        <source>Replay note</source>
        <translation>重听</translation>
    </message>
    <message>
        <source>Continue the adaptive course</source>
        <translation>继续自适应课程</translation>
    </message>
    <message>
        <source>Continue level %1</source>
        <translation>继续第 %1 级</translation>
    </message>
    <message>
        <source>Begin here</source>
        <translation>开始</translation>
    </message>
</context>
<context>
    <name>StatisticsButton</name>
    <message>
        <source>Statistics (F2)</source>
        <translation>统计（F2）</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>统计</translation>
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
            <numerusform>%n 个回答</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n 天</numerusform>
        </translation>
    </message>
    <message>
        <source>Last 7 days: %1, %2 exact, %3, %4 min.</source>
        <translation>最近 7 天：%1，完全正确 %2，%3，%4 分钟</translation>
    </message>
    <message>
        <source>Last 30 days: %1, %2 exact, %3, %4 min.</source>
        <translation>最近 30 天：%1，完全正确 %2，%3，%4 分钟</translation>
    </message>
    <message>
        <source>At level %1: %2, %3 exact, %4, %5 min.</source>
        <translation>第 %1 级：%2，完全正确 %3，%4，%5 分钟</translation>
    </message>
    <message>
        <source>%1: %2 exact, %3 ignoring the octave. Training days in a row: %4.</source>
        <translation>%1：完全正确 %2，不计八度 %3。连续练习天数：%4。</translation>
    </message>
    <message>
        <source>All days: %1, %2 min.</source>
        <translation>全部：%1，%2 分钟</translation>
    </message>
    <message>
        <source>No answers from MIDI keyboards yet.</source>
        <translation>还没有来自 MIDI 键盘的回答。</translation>
    </message>
    <message>
        <source>No answers on the screen keyboard yet.</source>
        <translation>还没有在屏幕键盘上的回答。</translation>
    </message>
    <message>
        <source>No answers in the last 7 days.</source>
        <translation>最近 7 天没有回答。</translation>
    </message>
    <message>
        <source>No answers at level %1 yet.</source>
        <translation>第 %1 级还没有回答。</translation>
    </message>
    <message>
        <source>Answer a few questions and your statistics appear here.</source>
        <translation>回答几道题后，你的统计会显示在这里。</translation>
    </message>
    <message>
        <source>In the adaptive course: %1, %2 exact, %3, %4 min.</source>
        <translation>自适应课程：%1，完全正确 %2，%3，%4 分钟</translation>
    </message>
    <message>
        <source>No answers in the adaptive course yet.</source>
        <translation>自适应课程中还没有回答。</translation>
    </message>
</context>
<context>
    <name>StatisticsModel</name>
    <message>
        <source>The answer history cannot be read just now; training goes on.</source>
        <translation>暂时无法读取回答记录；练习继续。</translation>
    </message>
    <message>
        <source>octave</source>
        <translation>八度</translation>
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
            <numerusform>%n 个回答</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 分钟</translation>
    </message>
    <message>
        <source>6 semitones (tritone)</source>
        <translation>6 个半音（三全音）</translation>
    </message>
    <message numerus="yes">
        <source>+%n semitones</source>
        <translation>
            <numerusform>+%n 个半音</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>-%n semitones</source>
        <translation>
            <numerusform>-%n 个半音</numerusform>
        </translation>
    </message>
    <message>
        <source>Note</source>
        <translation>音</translation>
    </message>
    <message>
        <source>asked</source>
        <translation>出题</translation>
    </message>
    <message>
        <source>exact</source>
        <translation>完全正确</translation>
    </message>
    <message>
        <source>ignoring the octave</source>
        <translation>不计八度</translation>
    </message>
    <message>
        <source>median reaction</source>
        <translation>反应时间中位数</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 毫秒</translation>
    </message>
    <message>
        <source>Wrong answers: %1</source>
        <translation>错误回答：%1</translation>
    </message>
    <message>
        <source>right note, other octave</source>
        <translation>音名正确，八度不对</translation>
    </message>
    <message>
        <source>mean error, octaves ignored: %1 semitones</source>
        <translation>平均偏差（不计八度）：%1 个半音</translation>
    </message>
    <message>
        <source>No answers yet: answer a few questions and your statistics appear here.</source>
        <translation>还没有回答：回答几道题后，你的统计会显示在这里。</translation>
    </message>
    <message>
        <source>%1: %2 exact, %3 ignoring the octave</source>
        <translation>%1：完全正确 %2，不计八度 %3</translation>
    </message>
    <message>
        <source>Last 7 days: %1 on %2, %3 exact, %4 ignoring the octave, %5</source>
        <translation>最近 7 天：%2 内 %1，完全正确 %3，不计八度 %4，%5</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n 天</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 exact</source>
        <translation>完全正确 %1</translation>
    </message>
    <message>
        <source>%1 ignoring the octave</source>
        <translation>不计八度 %1</translation>
    </message>
    <message>
        <source>Training days in a row: %1</source>
        <translation>连续练习天数：%1</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>Statistics</source>
        <translation>统计</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>时间段</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>全部时间</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>最近 7 天</translation>
    </message>
    <message>
        <source>Answers from</source>
        <translation>回答来源</translation>
    </message>
    <message>
        <source>All answers</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>MIDI keyboards</source>
        <translation>MIDI 键盘</translation>
    </message>
    <message>
        <source>On screen</source>
        <translation>屏幕</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Reading your answers…</source>
        <translation>正在读取你的回答…</translation>
    </message>
    <message>
        <source>Right answers per question</source>
        <translation>每题正确率</translation>
    </message>
    <message>
        <source>Heat map</source>
        <translation>热图</translation>
    </message>
    <message>
        <source>By key</source>
        <translation>按琴键</translation>
    </message>
    <message>
        <source>By pitch class</source>
        <translation>按音名</translation>
    </message>
    <message>
        <source>Mean error, octaves ignored: %1 semitones</source>
        <translation>平均偏差（不计八度）：%1 个半音</translation>
    </message>
    <message>
        <source>Confusions: question (row) and answer (column)</source>
        <translation>混淆：题目（行）与回答（列）</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>页面</translation>
    </message>
    <message>
        <source>Training</source>
        <translation>练习</translation>
    </message>
    <message>
        <source>Pitch tests</source>
        <translation>绝对音感测试</translation>
    </message>
    <message>
        <source>This course</source>
        <translation>本课程</translation>
    </message>
</context>
<context>
    <name>TrainingSettings</name>
    <message>
        <source>After a wrong answer</source>
        <translation>答错之后</translation>
    </message>
    <message>
        <source>Go on to the next question at once</source>
        <translation>立即进入下一题</translation>
    </message>
    <message>
        <source>Pause 2 s and play the right note once more</source>
        <translation>停 2 秒，再弹一次正确的音</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>键盘</translation>
    </message>
    <message>
        <source>Name the C keys (%1 to %2)</source>
        <translation>标出 C 键（%1 至 %2）</translation>
    </message>
</context>
<context>
    <name>TrendChart</name>
    <message>
        <source>Day by day</source>
        <translation>每日趋势</translation>
    </message>
    <message>
        <source>exact</source>
        <translation>完全正确</translation>
    </message>
    <message>
        <source>ignoring octave</source>
        <translation>不计八度</translation>
    </message>
    <message>
        <source>median reaction</source>
        <translation>反应时间中位数</translation>
    </message>
</context>
</TS>
