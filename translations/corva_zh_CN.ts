<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>  EQ flat</source>
        <translation>  均衡平直</translation>
    </message>
    <message>
        <source>  EQ%1 %2</source>
        <translation>  EQ%1 %2</translation>
    </message>
    <message>
        <source>  HPF %1; LPF %2</source>
        <translation>  低切 %1；高切 %2</translation>
    </message>
    <message>
        <source>  Limiter %1, attack %2, release %3</source>
        <translation>  限幅 %1, 响应时间 %2, 释放时间 %3</translation>
    </message>
    <message>
        <source>  Routing %1 %2 %3 %4</source>
        <translation>  输入分配 %1 %2 %3 %4</translation>
    </message>
    <message>
        <source>  align CH=DIST... [--unit cm|in] [--dry-run] [--file PRESET]
                            delays from the distances to the speakers
</source>
        <translation>  align CH=DIST... [--unit cm|in] [--dry-run] [--file PRESET]
                            delays from the distances to the speakers
</translation>
    </message>
    <message>
        <source>  audio-devices             the sound devices there are
</source>
        <translation>  audio-devices             the sound devices there are
</translation>
    </message>
    <message>
        <source>  auto-eq MEASUREMENT CHANNEL [--target flat|house|FILE] [--max-boost DB]
          [--range LOW-HIGH] [--smooth N] [--dry-run] [--file PRESET]
                            fit the channel&apos;s bands to a measurement
</source>
        <translation>  auto-eq MEASUREMENT CHANNEL [--target flat|house|FILE] [--max-boost DB]
          [--range LOW-HIGH] [--smooth N] [--dry-run] [--file PRESET]
                            fit the channel&apos;s bands to a measurement
</translation>
    </message>
    <message>
        <source>  backup FILE.qvma [--with-inputs]
                            all presets and the live tuning into a complete file
</source>
        <translation>  backup FILE.qvma [--with-inputs]
                            all presets and the live tuning into a complete file
</translation>
    </message>
    <message>
        <source>  calibrate [--target flat|house|FILE] [--max-boost DB] [--range LOW-HIGH]
          [--sweep SECONDS] [--positions N] [--input DEV] [--output DEV] [--cal FILE]
          [--dry-run]        measure all outputs, align them by their arrival times,
                            fit every channel to the target, apply as one undo step
                            and measure again
</source>
        <translation>  calibrate [--target flat|house|FILE] [--max-boost DB] [--range LOW-HIGH]
          [--sweep SECONDS] [--positions N] [--input DEV] [--output DEV] [--cal FILE]
          [--dry-run]        measure all outputs, align them by their arrival times,
                            fit every channel to the target, apply as one undo step
                            and measure again
</translation>
    </message>
    <message>
        <source>  convert IN OUT            music file &lt;-&gt; single preset file
</source>
        <translation>  convert IN OUT            music file &lt;-&gt; single preset file
</translation>
    </message>
    <message>
        <source>  delete N                  clear the name of preset N
</source>
        <translation>  delete N                  clear the name of preset N
</translation>
    </message>
    <message>
        <source>  diff A B                  differences of two tunings, A and B each a preset file,
                            live or preset:N; exit 0 when equal, 5 when they differ;
                            two complete files compare all 15 stored presets too
</source>
        <translation>  diff A B                  differences of two tunings, A and B each a preset file,
                            live or preset:N; exit 0 when equal, 5 when they differ;
                            two complete files compare all 15 stored presets too
</translation>
    </message>
    <message>
        <source>  extract FILE.qvma N OUT.qvms
                            stored preset N (1..15) of a complete file as a
                            single preset file
</source>
        <translation>  extract FILE.qvma N OUT.qvms
                            stored preset N (1..15) of a complete file as a
                            single preset file
</translation>
    </message>
    <message>
        <source>  factory-reset --yes       restore the processor&apos;s factory settings
</source>
        <translation>  factory-reset --yes       restore the processor&apos;s factory settings
</translation>
    </message>
    <message>
        <source>  firmware FILE.bin         update the firmware (USB only)
</source>
        <translation>  firmware FILE.bin         update the firmware (USB only)
</translation>
    </message>
    <message>
        <source>  import-eq FILE CHANNEL [--apply-rest] [--dry-run] [--file PRESET]
                            REW or Equalizer APO filters on a channel
</source>
        <translation>  import-eq FILE CHANNEL [--apply-rest] [--dry-run] [--file PRESET]
                            REW or Equalizer APO filters on a channel
</translation>
    </message>
    <message>
        <source>  info                      version, link, tuning, preset names, protection, volume
</source>
        <translation>  info                      version, link, tuning, preset names, protection, volume
</translation>
    </message>
    <message>
        <source>  link PAIR --from left|right  copy one channel of a pair onto the other and link
                            them (PAIR: 1-2 3-4 5-6 or FL-FR SL-SR ULF-Center)
</source>
        <translation>  link PAIR --from left|right  copy one channel of a pair onto the other and link
                            them (PAIR: 1-2 3-4 5-6 or FL-FR SL-SR ULF-Center)
</translation>
    </message>
    <message>
        <source>  load FILE                 .qvms, .wkcs or .kpdm as the live tuning; .qvma sends all
</source>
        <translation>  load FILE                 .qvms, .wkcs or .kpdm as the live tuning; .qvma sends all
</translation>
    </message>
    <message>
        <source>  master-mute on|off        mute or unmute the master output
</source>
        <translation>  master-mute on|off        mute or unmute the master output
</translation>
    </message>
    <message>
        <source>  measure CHANNEL... [--input DEV] [--output DEV] [--sweep SECONDS] [--positions N]
          [--cal FILE] [--out DIR] [--smooth N]
                            sweep each output alone, print its arrival time and write
                            its response as a REW text export to DIR/CHANNEL.txt
</source>
        <translation>  measure CHANNEL... [--input DEV] [--output DEV] [--sweep SECONDS] [--positions N]
          [--cal FILE] [--out DIR] [--smooth N]
                            sweep each output alone, print its arrival time and write
                            its response as a REW text export to DIR/CHANNEL.txt
</translation>
    </message>
    <message>
        <source>  mode-open FILE.dat_d      listening position from a mode file
</source>
        <translation>  mode-open FILE.dat_d      listening position from a mode file
</translation>
    </message>
    <message>
        <source>  mode-save FILE.dat_d      current listening position into a mode file
</source>
        <translation>  mode-save FILE.dat_d      current listening position into a mode file
</translation>
    </message>
    <message>
        <source>  pink-noise FILE.wav [--seconds S]   writes pink noise to play from the stick
</source>
        <translation>  pink-noise FILE.wav [--seconds S]   writes pink noise to play from the stick
</translation>
    </message>
    <message>
        <source>  positions                 the listening-position table
  positions set P CH=DELAY...  delays of position P (0..3): a code, 2.5ms or 80cm
  positions use P           make position P (0..3) the current one
</source>
        <translation>  positions                 the listening-position table
  positions set P CH=DELAY...  delays of position P (0..3): a code, 2.5ms or 80cm
  positions use P           make position P (0..3) the current one
</translation>
    </message>
    <message>
        <source>  presets                   names of the 15 stored presets
</source>
        <translation>  presets                   names of the 15 stored presets
</translation>
    </message>
    <message>
        <source>  protect [PASSWORD]        lock the tuning with a six-character password
                            (asked for, or read from standard input, when not given)
</source>
        <translation>  protect [PASSWORD]        lock the tuning with a six-character password
                            (asked for, or read from standard input, when not given)
</translation>
    </message>
    <message>
        <source>  read FILE.qvms            live tuning into a single preset file
</source>
        <translation>  read FILE.qvms            live tuning into a single preset file
</translation>
    </message>
    <message>
        <source>  recall N                  stored preset N becomes the live tuning
</source>
        <translation>  recall N                  stored preset N becomes the live tuning
</translation>
    </message>
    <message>
        <source>  reset-lock                replace protected tuning by the default outputs
</source>
        <translation>  reset-lock                replace protected tuning by the default outputs
</translation>
    </message>
    <message>
        <source>  response [FILE] CHANNEL [--csv OUT] [--measurement FILE [--smooth N]]
                            summed response of a channel, freq_hz,db per line;
                            with a measurement the predicted result
</source>
        <translation>  response [FILE] CHANNEL [--csv OUT] [--measurement FILE [--smooth N]]
                            summed response of a channel, freq_hz,db per line;
                            with a measurement the predicted result
</translation>
    </message>
    <message>
        <source>  rta [--input DEV] [--seconds S] [--fraction 6|12] [--out FILE] [--play]
          records the microphone while the noise plays and prints the magnitude in
          1/3 octaves (--out: the whole curve as a REW-readable export; --play: the
          noise also goes to the output device, as with --sim)
</source>
        <translation>  rta [--input DEV] [--seconds S] [--fraction 6|12] [--out FILE] [--play]
          records the microphone while the noise plays and prints the magnitude in
          1/3 octaves (--out: the whole curve as a REW-readable export; --play: the
          noise also goes to the output device, as with --sim)
</translation>
    </message>
    <message>
        <source>  save-music FILE.wkcs      live tuning into a music file
</source>
        <translation>  save-music FILE.wkcs      live tuning into a music file
</translation>
    </message>
    <message>
        <source>  set CHANNEL KEY=VALUE...  edit an output channel (1..6 or FL FR SL SR ULF Center);
                            keys: gain delay mute polarity name hpf.freq hpf.kind
                            hpf.slope lpf.* eqN.freq eqN.gain eqN.q eqN.bypass
                            eq_mode limiter.threshold limiter.attack
                            limiter.release route.1..route.4
</source>
        <translation>  set CHANNEL KEY=VALUE...  edit an output channel (1..6 or FL FR SL SR ULF Center);
                            keys: gain delay mute polarity name hpf.freq hpf.kind
                            hpf.slope lpf.* eqN.freq eqN.gain eqN.q eqN.bypass
                            eq_mode limiter.threshold limiter.attack
                            limiter.release route.1..route.4
</translation>
    </message>
    <message>
        <source>  show FILE                 what a preset, music or mode file holds
</source>
        <translation>  show FILE                 what a preset, music or mode file holds
</translation>
    </message>
    <message>
        <source>  snapshots                 safety copies kept before recall, load, store, resets
  snapshots restore ID      sends one back as the live tuning (a complete copy: the live
                            tuning and all 15 stored presets)
</source>
        <translation>  snapshots                 safety copies kept before recall, load, store, resets
  snapshots restore ID      sends one back as the live tuning (a complete copy: the live
                            tuning and all 15 stored presets)
</translation>
    </message>
    <message>
        <source>  store N NAME              store the live tuning as preset N
</source>
        <translation>  store N NAME              store the live tuning as preset N
</translation>
    </message>
    <message>
        <source>  table [FILE] [--unit ms|cm|in] [--xlsx OUT] [--csv OUT] [--pdf OUT]
                            the parameter table of a file (or of the processor)
</source>
        <translation>  table [FILE] [--unit ms|cm|in] [--xlsx OUT] [--csv OUT] [--pdf OUT]
                            the parameter table of a file (or of the processor)
</translation>
    </message>
    <message>
        <source>  unlink PAIR               end the link of a pair
</source>
        <translation>  unlink PAIR               end the link of a pair
</translation>
    </message>
    <message>
        <source>  unlock [PASSWORD]         remove the lock
</source>
        <translation>  unlock [PASSWORD]         remove the lock
</translation>
    </message>
    <message>
        <source>  volume DB                 main volume, -60..6 dB or off
</source>
        <translation>  volume DB                 main volume, -60..6 dB or off
</translation>
    </message>
    <message>
        <source> (limited)</source>
        <translation> (limited)</translation>
    </message>
    <message>
        <source> (predicted)</source>
        <translation> (predicted)</translation>
    </message>
    <message>
        <source> default input</source>
        <translation> default input</translation>
    </message>
    <message>
        <source> default output</source>
        <translation> default output</translation>
    </message>
    <message>
        <source> limited: %1 %2 is beyond the longest delay</source>
        <translation> 已限制：%1 %2 超出最大延时</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a channel, then why its filters were refused</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 %2 %3 -&gt; delay=%4ms (code %5)</source>
        <translation>%1 %2 %3 -&gt; delay=%4ms (code %5)</translation>
    </message>
    <message>
        <source>%1 %2 Use --apply-rest to import the others.</source>
        <translation>%1 %2使用 --apply-rest 可导入其余滤波器。</translation>
    </message>
    <message>
        <source>%1 %2 band(s) applied, largest deviation %3 dB</source>
        <translation>%1 %2 个频段已应用，最大偏差 %3 dB</translation>
    </message>
    <message>
        <source>%1 %2 band(s) planned (dry run), largest deviation %3 dB</source>
        <translation>%1 %2 个频段（试运行，未应用），最大偏差 %3 dB</translation>
    </message>
    <message>
        <source>%1 (corva-dsp-cli --help lists the commands)</source>
        <translation>%1 (corva-dsp-cli --help lists the commands)</translation>
    </message>
    <message>
        <source>%1 (deviation %2 dB)</source>
        <translation>%1（偏差 %2 dB）</translation>
    </message>
    <message>
        <source>%1 (in %2, out %3, %4 Hz)</source>
        <translation>%1 (in %2, out %3, %4 Hz)</translation>
    </message>
    <message>
        <source>%1 arrival %2 ms (+%3 ms), peak %4 dBFS</source>
        <translation>%1 arrival %2 ms (+%3 ms), peak %4 dBFS</translation>
    </message>
    <message>
        <source>%1 auto-EQ to %2 over %3 Hz, boost at most %4 dB: %5 band(s) applied</source>
        <translation>%1 自动均衡，目标 %2，范围 %3 Hz，最大提升 %4 dB：%5 个频段已应用</translation>
    </message>
    <message>
        <source>%1 auto-EQ to %2 over %3 Hz, boost at most %4 dB: %5 band(s) planned (dry run)</source>
        <translation>%1 自动均衡，目标 %2，范围 %3 Hz，最大提升 %4 dB：%5 个频段（试运行，未应用）</translation>
    </message>
    <message>
        <source>%1 dB (code %2), master muted</source>
        <translation>%1 dB（代码 %2），总输出静音</translation>
    </message>
    <message>
        <source>%1 dB (code %2), master on</source>
        <translation>%1 dB（代码 %2），总输出开</translation>
    </message>
    <message>
        <source>%1 delay %2 ms%3, %4 band(s), RMS error %5 -&gt; %6 dB%7</source>
        <translation>%1 delay %2 ms%3, %4 band(s), RMS error %5 -&gt; %6 dB%7</translation>
    </message>
    <message>
        <source>%1 line %2 %3 -&gt; %4</source>
        <translation>%1 line %2 %3 -&gt; %4</translation>
    </message>
    <message>
        <source>%1 line %2: the gain %3 dB is beyond the band&apos;s range and was limited to %4 dB.</source>
        <translation>%1 第 %2 行：增益 %3 dB 超出频段范围，已限制为 %4 dB。</translation>
    </message>
    <message>
        <source>%1 linked: %2 copied onto %3</source>
        <translation>%1 已联动：%2 已复制到 %3</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 needs a value</translation>
    </message>
    <message>
        <source>%1 preamp %2 dB not applied: the channel gain stays</source>
        <translation>%1 前级 %2 dB 未应用：声道增益保持不变</translation>
    </message>
    <message>
        <source>%1 takes %2</source>
        <translation>%1 取值为 %2</translation>
    </message>
    <message>
        <source>%1 takes one value</source>
        <translation>%1 takes one value</translation>
    </message>
    <message>
        <source>%1 unlinked</source>
        <translation>%1 已取消联动</translation>
    </message>
    <message>
        <source>%1: it is a folder</source>
        <translation>%1：这是一个文件夹</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1：文件不存在</translation>
    </message>
    <message>
        <source>(* the current position)</source>
        <translation>（* 为当前听音位置）</translation>
    </message>
    <message>
        <source>, spread up to %1 dB</source>
        <translation>, spread up to %1 dB</translation>
    </message>
    <message>
        <source>--fraction takes 6 or 12</source>
        <translation>--fraction 取值 6 或 12</translation>
    </message>
    <message>
        <source>--lang takes en, zh or a language code (%1)</source>
        <translation>--lang takes en, zh or a language code (%1)</translation>
    </message>
    <message>
        <source>--max-boost takes a number of dB</source>
        <translation>--max-boost 需要 dB 数值</translation>
    </message>
    <message>
        <source>--out takes an existing folder</source>
        <translation>--out 需要已有的文件夹</translation>
    </message>
    <message>
        <source>--positions takes 1..16</source>
        <translation>--positions 取值 1..16</translation>
    </message>
    <message>
        <source>--range takes LOW-HIGH in Hz</source>
        <translation>--range 需要 LOW-HIGH（Hz）</translation>
    </message>
    <message>
        <source>--seconds takes 1..3600</source>
        <translation>--seconds 取值 1..3600</translation>
    </message>
    <message>
        <source>--seconds takes 4.1..120</source>
        <translation>--seconds 取值 4.1..120</translation>
    </message>
    <message>
        <source>--sim-state needs --sim</source>
        <translation>--sim-state needs --sim</translation>
    </message>
    <message>
        <source>--smooth takes N = 1..48 for 1/N-octave smoothing</source>
        <translation>--smooth 取值 N = 1..48（1/N 倍频程平滑）</translation>
    </message>
    <message>
        <source>--sweep takes 0.1..30 seconds</source>
        <translation>--sweep 取值 0.1..30 秒</translation>
    </message>
    <message>
        <source>--tcp takes HOST[:PORT] with a port of 1..65535</source>
        <translation>--tcp takes HOST[:PORT] with a port of 1..65535</translation>
    </message>
    <message>
        <source>--trace takes a file, not a folder: %1</source>
        <translation>--trace takes a file, not a folder: %1</translation>
    </message>
    <message>
        <source>--unit takes cm or in</source>
        <translation>--unit 取值为 cm 或 in</translation>
    </message>
    <message>
        <source>0 dB, nothing to apply</source>
        <translation>0 dB，无需应用</translation>
    </message>
    <message>
        <source>2, 4, 6, 8, 16 or 32 (times the attack)</source>
        <translation>2、4、6、8、16 或 32（响应时间的倍数）</translation>
    </message>
    <message>
        <source>6, 12, 18, 24, 30, 36, 42, 48 or off</source>
        <translation>6、12、18、24、30、36、42、48 或 off</translation>
    </message>
    <message>
        <source>CHANNEL is 1..6 or FL, FR, SL, SR, ULF, Center</source>
        <translation>CHANNEL 为 1..6 或 FL、FR、SL、SR、ULF、Center</translation>
    </message>
    <message>
        <source>CHANNEL is 1..6 or FL, FR, SL, SR, ULF, Center, each once</source>
        <translation>CHANNEL 为 1..6 或 FL、FR、SL、SR、ULF、Center，各一次</translation>
    </message>
    <message>
        <source>Cannot open the trace file.</source>
        <translation>无法打开跟踪文件。</translation>
    </message>
    <message>
        <source>Channel %1 %2: %3, %4, %5, delay %6ms, EQ mode %7</source>
        <translation>通道 %1 %2：%3, %4, %5, 延时 %6ms, 均衡模式 %7</translation>
    </message>
    <message>
        <source>Channel %1 delay %2</source>
        <translation>通道 %1 延时 %2</translation>
    </message>
    <message>
        <source>Connection failure!</source>
        <translation>连接失败!</translation>
    </message>
    <message>
        <source>Current position %1</source>
        <translation>当前听音位置 %1</translation>
    </message>
    <message>
        <source>DB is a volume in dB (-60..6) or off</source>
        <translation>DB 为音量 dB (-60..6) 或 off</translation>
    </message>
    <message>
        <source>Deleted the name of preset %1</source>
        <translation>已删除预置 %1 的名称</translation>
    </message>
    <message>
        <source>FILE must end in %1</source>
        <translation>FILE 的扩展名须为 %1</translation>
    </message>
    <message>
        <source>Factory settings restored</source>
        <translation>已恢复出厂设置</translation>
    </message>
    <message>
        <source>Firmware updates run over USB only.</source>
        <translation>固件只能通过USB更新。</translation>
    </message>
    <message>
        <source>Hi_Shf %1Hz %2dB/Oct %3dB</source>
        <translation>Hi_Shf %1Hz %2dB/Oct %3dB</translation>
    </message>
    <message>
        <source>Link:        </source>
        <translation>连接：    </translation>
    </message>
    <message>
        <source>Listening position %1 loaded from %2</source>
        <translation>已从 %2 加载听音位置 %1</translation>
    </message>
    <message>
        <source>Live preset: </source>
        <translation>当前音效：</translation>
    </message>
    <message>
        <source>Lo_Shf %1Hz %2dB/Oct %3dB</source>
        <translation>Lo_Shf %1Hz %2dB/Oct %3dB</translation>
    </message>
    <message>
        <source>Loaded %1</source>
        <translation>已加载 %1</translation>
    </message>
    <message>
        <source>Main volume %1 dB</source>
        <translation>主音量 %1 dB</translation>
    </message>
    <message>
        <source>Main volume: </source>
        <translation>主音量：  </translation>
    </message>
    <message>
        <source>Master output muted</source>
        <translation>主输出已静音</translation>
    </message>
    <message>
        <source>Master output on</source>
        <translation>主输出已开启</translation>
    </message>
    <message>
        <source>Move the microphone to position %1 and press Enter.</source>
        <translation>请将麦克风移到位置 %1 后按回车。</translation>
    </message>
    <message>
        <source>N is a preset number 1..15</source>
        <translation>N 为预置编号 1..15</translation>
    </message>
    <message>
        <source>NAME has characters the processor cannot store</source>
        <translation>NAME 含有处理器无法保存的字符</translation>
    </message>
    <message>
        <source>NAME is longer than 13 bytes in the processor&apos;s code page</source>
        <translation>NAME 超过 13 字节</translation>
    </message>
    <message>
        <source>NAME must not be empty or only blanks</source>
        <translation>NAME 不能为空或全为空格</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Name:      </source>
        <translation>名称：  </translation>
    </message>
    <message>
        <source>No such snapshot</source>
        <translation>没有这个快照</translation>
    </message>
    <message>
        <source>Not connected: nothing was read.</source>
        <translation>未连接：未读取任何数据。</translation>
    </message>
    <message>
        <source>OUT must end in .qvms</source>
        <translation>OUT 的扩展名须为 .qvms</translation>
    </message>
    <message>
        <source>P is a position 0..3</source>
        <translation>P 为听音位置 0..3</translation>
    </message>
    <message>
        <source>PAIR is 1-2, 3-4, 5-6 or FL-FR, SL-SR, ULF-Center</source>
        <translation>PAIR 为 1-2、3-4、5-6 或 FL-FR、SL-SR、ULF-Center</translation>
    </message>
    <message>
        <source>PEQ %1Hz Q %2 %3dB</source>
        <translation>PEQ %1Hz Q %2 %3dB</translation>
    </message>
    <message>
        <source>Password (6 characters): </source>
        <translation>密码（6位）：</translation>
    </message>
    <message>
        <source>Position %1 %2=%3</source>
        <translation>听音位置 %1 %2=%3</translation>
    </message>
    <message>
        <source>Position:  </source>
        <translation>听音位置：</translation>
    </message>
    <message>
        <source>Presets:</source>
        <translation>预置：</translation>
    </message>
    <message>
        <source>Protected: </source>
        <translation>加密：  </translation>
    </message>
    <message>
        <source>Protected:   </source>
        <translation>加密：    </translation>
    </message>
    <message>
        <source>RMS %1 -&gt; %2 dB, largest %3 -&gt; %4 dB</source>
        <translation>RMS %1 -&gt; %2 dB, largest %3 -&gt; %4 dB</translation>
    </message>
    <message>
        <source>Recalled preset %1 %2</source>
        <translation>已调用预置 %1 %2</translation>
    </message>
    <message>
        <source>Restored %1</source>
        <translation>已恢复 %1</translation>
    </message>
    <message>
        <source>Stored as preset %1 %2</source>
        <translation>已保存为预置 %1 %2</translation>
    </message>
    <message>
        <source>The converted file cannot be written!</source>
        <translation>无法写入转换后的文件!</translation>
    </message>
    <message>
        <source>The measurement cannot be written.</source>
        <translation>无法写入测量结果。</translation>
    </message>
    <message>
        <source>The measurement was stopped; nothing was changed.</source>
        <translation>测量已停止；未做任何更改。</translation>
    </message>
    <message>
        <source>The microphone could not be recorded.</source>
        <translation>无法录制麦克风。</translation>
    </message>
    <message>
        <source>The noise file cannot be written.</source>
        <translation>无法写入噪声文件。</translation>
    </message>
    <message>
        <source>The processor&apos;s mute state could not be put back: check the mutes.</source>
        <translation>无法恢复处理器的静音状态：请检查静音设置。</translation>
    </message>
    <message>
        <source>The protected tuning was replaced by the default output settings</source>
        <translation>已清除加密音效，输出恢复为默认设置</translation>
    </message>
    <message>
        <source>The response cannot be written!</source>
        <translation>无法写入响应曲线!</translation>
    </message>
    <message>
        <source>The table cannot be exported!</source>
        <translation>参数表导出失败!</translation>
    </message>
    <message>
        <source>The trace file cannot be written.</source>
        <translation>无法写入跟踪文件。</translation>
    </message>
    <message>
        <source>The tuning is already protected: unlock it first.</source>
        <translation>音效已加密：请先解锁。</translation>
    </message>
    <message>
        <source>The tuning is not protected</source>
        <translation>音效未加密</translation>
    </message>
    <message>
        <source>The tuning is not protected: there is no lock to reset.</source>
        <translation>音效未加密：无需清除。</translation>
    </message>
    <message>
        <source>The tuning is protected</source>
        <translation>音效已加密</translation>
    </message>
    <message>
        <source>The tuning is protected: its channel values are not shown.</source>
        <translation>音效已加密：不显示通道参数。</translation>
    </message>
    <message>
        <source>The tuning is protected: unlock it before editing.</source>
        <translation>音效已加密：请先解锁再编辑。</translation>
    </message>
    <message>
        <source>The tuning is unlocked</source>
        <translation>音效已解锁</translation>
    </message>
    <message>
        <source>Time-out: the firmware update did not finish.</source>
        <translation>超时：固件更新未完成。</translation>
    </message>
    <message>
        <source>Time-out: the listening-position table did not arrive.</source>
        <translation>超时：未收到听音位置表。</translation>
    </message>
    <message>
        <source>Time-out: the processor did not answer everything sent.</source>
        <translation>超时：处理器未应答全部发送的数据。</translation>
    </message>
    <message>
        <source>Time-out: the recalled preset did not arrive.</source>
        <translation>超时：未收到调用的预置。</translation>
    </message>
    <message>
        <source>Time-out: the stored preset did not arrive.</source>
        <translation>超时：未收到机器预置。</translation>
    </message>
    <message>
        <source>Time-out: the stored presets did not arrive.</source>
        <translation>超时：未收到全部预置。</translation>
    </message>
    <message>
        <source>Version:     </source>
        <translation>版本：    </translation>
    </message>
    <message>
        <source>Wrote %1</source>
        <translation>已写入 %1</translation>
    </message>
    <message>
        <source>a Q above 0 (0.404..28.852)</source>
        <translation>大于 0 的 Q 值 (0.404..28.852)</translation>
    </message>
    <message>
        <source>a channel is given twice</source>
        <translation>声道重复</translation>
    </message>
    <message>
        <source>a frequency in Hz (20..20000)</source>
        <translation>频率 Hz (20..20000)</translation>
    </message>
    <message>
        <source>a gain in dB (-20..20)</source>
        <translation>dB 增益 (-20..20)</translation>
    </message>
    <message>
        <source>a level in dB (-60..0)</source>
        <translation>dB 电平 (-60..0)</translation>
    </message>
    <message>
        <source>a level in dBu (-30..6)</source>
        <translation>dBu 电平 (-30..6)</translation>
    </message>
    <message>
        <source>a share in percent (0..100)</source>
        <translation>百分比 (0..100)</translation>
    </message>
    <message>
        <source>a time in ms (0.3..100)</source>
        <translation>毫秒 (0.3..100)</translation>
    </message>
    <message>
        <source>an output file needs a name</source>
        <translation>输出文件需要文件名</translation>
    </message>
    <message>
        <source>band %1: %2 (deviation %3 dB)</source>
        <translation>频段 %1：%2（偏差 %3 dB）</translation>
    </message>
    <message>
        <source>calibration applied (one undo step)</source>
        <translation>calibration applied (one undo step)</translation>
    </message>
    <message>
        <source>calibration applied, not measured again</source>
        <translation>calibration applied, not measured again</translation>
    </message>
    <message>
        <source>calibration planned (dry run)</source>
        <translation>calibration planned (dry run)</translation>
    </message>
    <message>
        <source>comparing tunings and safety copies:</source>
        <translation>comparing tunings and safety copies:</translation>
    </message>
    <message>
        <source>convert takes a music file (.wkcs, .kpdm) and a single preset file (.qvms), in either order</source>
        <translation>convert 用于音乐文件 (.wkcs, .kpdm) 与单组预置文件 (.qvms) 之间的转换</translation>
    </message>
    <message>
        <source>dry run: nothing was changed</source>
        <translation>试运行：未做任何更改</translation>
    </message>
    <message>
        <source>each pair is CHANNEL=DISTANCE with a distance of 0 or more</source>
        <translation>每一项为 CHANNEL=DISTANCE，距离不小于 0</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>空</translation>
    </message>
    <message>
        <source>exit codes: 0 done, 1 wrong usage, 2 file error, 3 link error, 4 refused by the state
</source>
        <translation>exit codes: 0 done, 1 wrong usage, 2 file error, 3 link error, 4 refused by the state
</translation>
    </message>
    <message>
        <source>expected CH=DELAY: CH 1..6 or FL..Center, DELAY a code 0..259, 2.5ms or 80cm</source>
        <translation>应为 CH=DELAY：CH 为 1..6 或 FL..Center，DELAY 为代码 0..259、2.5ms 或 80cm</translation>
    </message>
    <message>
        <source>expected KEY=VALUE</source>
        <translation>应为 KEY=VALUE</translation>
    </message>
    <message>
        <source>factory-reset erases the processor&apos;s tuning: confirm with factory-reset --yes</source>
        <translation>恢复出厂设置会清除处理器的音效：请用 factory-reset --yes 确认</translation>
    </message>
    <message>
        <source>high-pass %1Hz %2 %3dB/Oct</source>
        <translation>high-pass %1Hz %2 %3dB/Oct</translation>
    </message>
    <message>
        <source>low-pass %1Hz %2 %3dB/Oct</source>
        <translation>low-pass %1Hz %2 %3dB/Oct</translation>
    </message>
    <message>
        <source>lr, bw or bessel</source>
        <translation>lr、bw 或 bessel</translation>
    </message>
    <message>
        <source>master-mute takes on or off</source>
        <translation>master-mute 取值为 on 或 off</translation>
    </message>
    <message>
        <source>measuring the car (--sim measures a virtual car):</source>
        <translation>measuring the car (--sim measures a virtual car):</translation>
    </message>
    <message>
        <source>measuring without a wire (the noise plays from a USB stick):</source>
        <translation>measuring without a wire (the noise plays from a USB stick):</translation>
    </message>
    <message>
        <source>milliseconds, or a distance such as 120cm or 40in</source>
        <translation>毫秒，或距离如 120cm、40in</translation>
    </message>
    <message>
        <source>name has characters the processor cannot store</source>
        <translation>name 含有处理器无法保存的字符</translation>
    </message>
    <message>
        <source>no</source>
        <translation>否</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>no command given</translation>
    </message>
    <message>
        <source>no full read from the processor</source>
        <translation>no full read from the processor</translation>
    </message>
    <message>
        <source>normal or inverted</source>
        <translation>normal 或 inverted</translation>
    </message>
    <message>
        <source>not applied: %1</source>
        <translation>未应用：%1</translation>
    </message>
    <message>
        <source>off in the file</source>
        <translation>文件中已关闭</translation>
    </message>
    <message>
        <source>on or off</source>
        <translation>on 或 off</translation>
    </message>
    <message>
        <source>only one of --usb, --usb-path, --tcp, --serial and --sim</source>
        <translation>only one of --usb, --usb-path, --tcp, --serial and --sim</translation>
    </message>
    <message>
        <source>peq or geq</source>
        <translation>peq 或 geq</translation>
    </message>
    <message>
        <source>route takes an input 1..4: route.1 .. route.4</source>
        <translation>route 的输入为 1..4：route.1 .. route.4</translation>
    </message>
    <message>
        <source>set needs at least one KEY=VALUE</source>
        <translation>set 至少需要一个 KEY=VALUE</translation>
    </message>
    <message>
        <source>the output is a folder, not a file</source>
        <translation>输出路径是文件夹，不是文件</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>unknown command %1</translation>
    </message>
    <message>
        <source>unknown key %1</source>
        <translation>未知参数 %1</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unknown option %1</translation>
    </message>
    <message>
        <source>usage: %1</source>
        <translation>用法: %1</translation>
    </message>
    <message>
        <source>usage: align CH=DIST ... [--unit cm|in] [--dry-run] [--file PRESET]</source>
        <translation>用法: align CH=DIST ... [--unit cm|in] [--dry-run] [--file PRESET]</translation>
    </message>
    <message>
        <source>usage: audio-devices</source>
        <translation>用法: audio-devices</translation>
    </message>
    <message>
        <source>usage: auto-eq MEASUREMENT CHANNEL [--target flat|house|FILE] [--max-boost DB] [--range LOW-HIGH] [--smooth N] [--dry-run] [--file PRESET]</source>
        <translation>用法: auto-eq MEASUREMENT CHANNEL [--target flat|house|FILE] [--max-boost DB] [--range LOW-HIGH] [--smooth N] [--dry-run] [--file PRESET]</translation>
    </message>
    <message>
        <source>usage: backup FILE.qvma [--with-inputs]</source>
        <translation>用法: backup FILE.qvma [--with-inputs]</translation>
    </message>
    <message>
        <source>usage: calibrate [--target flat|house|FILE] [--max-boost DB] [--range LOW-HIGH] [--sweep SECONDS] [--positions N] [--input DEV] [--output DEV] [--cal FILE] [--dry-run]</source>
        <translation>用法: calibrate [--target flat|house|FILE] [--max-boost DB] [--range LOW-HIGH] [--sweep SECONDS] [--positions N] [--input DEV] [--output DEV] [--cal FILE] [--dry-run]</translation>
    </message>
    <message>
        <source>usage: corva-dsp-cli [--usb | --usb-path PATH | --tcp HOST[:PORT] | --serial PORT |
                      --sim [--sim-state FILE]] [--lang en|zh|CODE] [--json]
                      [--trace FILE] [--progress] COMMAND [ARGS]
       corva-dsp-cli --version | --help
</source>
        <translation>usage: corva-dsp-cli [--usb | --usb-path PATH | --tcp HOST[:PORT] | --serial PORT |
                      --sim [--sim-state FILE]] [--lang en|zh|CODE] [--json]
                      [--trace FILE] [--progress] COMMAND [ARGS]
       corva-dsp-cli --version | --help
</translation>
    </message>
    <message>
        <source>usage: diff A B (each a preset file, live or preset:N)</source>
        <translation>用法: diff A B (预置文件、live 或 preset:N)</translation>
    </message>
    <message>
        <source>usage: import-eq FILE CHANNEL [--apply-rest] [--dry-run] [--file PRESET]</source>
        <translation>用法: import-eq FILE CHANNEL [--apply-rest] [--dry-run] [--file PRESET]</translation>
    </message>
    <message>
        <source>usage: link PAIR --from left|right</source>
        <translation>用法: link PAIR --from left|right</translation>
    </message>
    <message>
        <source>usage: measure CHANNEL... [--input DEV] [--output DEV] [--sweep SECONDS] [--positions N] [--cal FILE] [--out DIR] [--smooth N]</source>
        <translation>用法: measure CHANNEL... [--input DEV] [--output DEV] [--sweep SECONDS] [--positions N] [--cal FILE] [--out DIR] [--smooth N]</translation>
    </message>
    <message>
        <source>usage: pink-noise FILE.wav [--seconds S]</source>
        <translation>用法: pink-noise FILE.wav [--seconds S]</translation>
    </message>
    <message>
        <source>usage: positions | positions set P CH=DELAY... | positions use P</source>
        <translation>用法: positions | positions set P CH=DELAY... | positions use P</translation>
    </message>
    <message>
        <source>usage: response [FILE] CHANNEL [--csv OUT]</source>
        <translation>用法: response [FILE] CHANNEL [--csv OUT]</translation>
    </message>
    <message>
        <source>usage: response [FILE] CHANNEL [--measurement FILE [--smooth N]] [--csv OUT]</source>
        <translation>用法: response [FILE] CHANNEL [--measurement FILE [--smooth N]] [--csv OUT]</translation>
    </message>
    <message>
        <source>usage: rta [--input DEV] [--seconds S] [--fraction 6|12] [--out FILE] [--play]</source>
        <translation>用法: rta [--input DEV] [--seconds S] [--fraction 6|12] [--out FILE] [--play]</translation>
    </message>
    <message>
        <source>usage: set CHANNEL KEY=VALUE...</source>
        <translation>用法: set CHANNEL KEY=VALUE...</translation>
    </message>
    <message>
        <source>usage: snapshots [restore ID]</source>
        <translation>用法: snapshots [restore ID]</translation>
    </message>
    <message>
        <source>usage: table [FILE] [--unit ms|cm|in] [--xlsx OUT] [--csv OUT] [--pdf OUT]</source>
        <translation>用法: table [FILE] [--unit ms|cm|in] [--xlsx OUT] [--csv OUT] [--pdf OUT]</translation>
    </message>
    <message>
        <source>with the processor:</source>
        <translation>with the processor:</translation>
    </message>
    <message>
        <source>without a processor:</source>
        <translation>without a processor:</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>是</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source> The processor was not changed: none is connected. Save the tuning to a file to keep it; connecting a processor replaces it with the processor&apos;s own tuning.</source>
        <translation>处理器未改变：未连接处理器。请将音效保存到文件以保留；连接处理器后将以处理器自己的音效替换。</translation>
    </message>
    <message>
        <source>%1 did not finish: the processor may hold its tuning partly protected. Once it answers again, protect, unlock or reset the lock once more: that sends every block again and repairs it.</source>
        <translation>%1未完成：处理器中的音效可能部分加密。处理器恢复应答后，再次加密、解锁或清除加密会重新发送全部数据块并修复。</translation>
    </message>
    <message>
        <source>%1 was not opened: its extension is in capitals. Rename it to end in .qvms or .qvma (small letters) and open it again.</source>
        <translation>%1 未打开：扩展名为大写。请改名为以 .qvms 或 .qvma（小写）结尾后再打开。</translation>
    </message>
    <message>
        <source>%1, live tuning and all 15 presets</source>
        <translation>%1，当前音效和全部15组预置</translation>
    </message>
    <message>
        <source>%1, preset %2</source>
        <translation>%1，预置%2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>A/B switch</source>
        <translation>A/B切换</translation>
    </message>
    <message>
        <source>Align by arrival times</source>
        <translation>按到达时间对齐</translation>
    </message>
    <message>
        <source>Are you delete No.%1 preset?</source>
        <translation>是否删除第%1组音效?</translation>
    </message>
    <message>
        <source>Are you delete this Data?</source>
        <translation>是否删除本组数据?</translation>
    </message>
    <message>
        <source>Calibrate the car</source>
        <translation>车辆校准</translation>
    </message>
    <message>
        <source>Have been the same machine preset name!</source>
        <translation>已有相同的机器预置音效名!</translation>
    </message>
    <message>
        <source>Have been the same name!</source>
        <translation>已有相同的组名称!</translation>
    </message>
    <message>
        <source>It cannot be read: %1.</source>
        <translation>无法读取：%1。</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>这是一个文件夹，不是文件。</translation>
    </message>
    <message>
        <source>Load music file</source>
        <translation>打开音乐文件</translation>
    </message>
    <message>
        <source>Load preset file</source>
        <translation>打开预置文件</translation>
    </message>
    <message>
        <source>Measured EQ</source>
        <translation>测量均衡</translation>
    </message>
    <message>
        <source>Not connected to device!</source>
        <translation>未连接设备!</translation>
    </message>
    <message>
        <source>Not connected: nothing was sent to the processor.</source>
        <translation>未连接：没有向处理器发送任何数据。</translation>
    </message>
    <message>
        <source>Output %1 gave no response at the microphone.</source>
        <translation>输出 %1 在麦克风处没有响应。</translation>
    </message>
    <message>
        <source>Password and enter the password to encrypt the file does not match!</source>
        <translation>输入密码与加密文件密码不匹配!</translation>
    </message>
    <message>
        <source>Please enter a name for the scene!</source>
        <translation>请输入音效名!</translation>
    </message>
    <message>
        <source>Preset%1</source>
        <translation>预置%1</translation>
    </message>
    <message>
        <source>Read MusicFile  Error</source>
        <translation>读音乐文件错误!</translation>
    </message>
    <message>
        <source>Read all MusicFile Error</source>
        <translation>读所有音乐文件错误!</translation>
    </message>
    <message>
        <source>Recall preset %1</source>
        <translation>调用预置%1</translation>
    </message>
    <message>
        <source>Save MusicFile Error!</source>
        <translation>保存音乐文件错误!</translation>
    </message>
    <message>
        <source>Save MusicFile Error!</source>
        <comment>named preset file</comment>
        <translation>保存音效文件错误 !</translation>
    </message>
    <message>
        <source>Save music file successfully!</source>
        <translation>成功保存音效文件！</translation>
    </message>
    <message>
        <source>Slot %1 is empty: keep a tuning there first.</source>
        <translation>%1 槽为空：请先保存一个音效。</translation>
    </message>
    <message>
        <source>Smoothing is 1/N octave with N = 1..48.</source>
        <translation>平滑为 1/N 倍频程，N = 1..48。</translation>
    </message>
    <message>
        <source>The complete file (live tuning and all 15 presets) was loaded into the program.%1</source>
        <translation>全部音效文件（当前音效和全部15组预置）已载入程序。%1</translation>
    </message>
    <message>
        <source>The connection to the processor was lost during the measurement.</source>
        <translation>测量过程中与处理器的连接中断。</translation>
    </message>
    <message>
        <source>The connection to the processor was lost.</source>
        <translation>与处理器的连接中断。</translation>
    </message>
    <message>
        <source>The file does not exist (or its folder is missing).</source>
        <translation>文件不存在（或其文件夹不存在）。</translation>
    </message>
    <message>
        <source>The file is not of this kind, or it is cut short or damaged.</source>
        <translation>文件类型不符，或文件不完整、已损坏。</translation>
    </message>
    <message>
        <source>The machine preset name can not be all spaces!</source>
        <translation>机器预置音效名不能全为空格!</translation>
    </message>
    <message>
        <source>The machine sound name can not be all spaces!</source>
        <translation>机器预置音效名不能全为空格!</translation>
    </message>
    <message>
        <source>The name can not be all spaces!</source>
        <translation>组名不能全为空格!</translation>
    </message>
    <message>
        <source>The name can not be empty!</source>
        <translation>组名不能为空!</translation>
    </message>
    <message>
        <source>The name does not end in %1.</source>
        <translation>文件名不以%1结尾。</translation>
    </message>
    <message>
        <source>The preset file was loaded into the program.%1</source>
        <translation>预置文件已载入程序。%1</translation>
    </message>
    <message>
        <source>The preset number must be 1..15.</source>
        <translation>预置编号须为 1..15。</translation>
    </message>
    <message>
        <source>The protect</source>
        <translation>加密</translation>
    </message>
    <message>
        <source>The reset of the lock</source>
        <translation>清除加密</translation>
    </message>
    <message>
        <source>The safety copy of the tuning (%1) could not be written, so nothing was sent: %2</source>
        <translation>无法写入音效的安全副本（%1），未发送任何数据：%2</translation>
    </message>
    <message>
        <source>The tuning is protected: unlock it first, a preset file would carry it unprotected.</source>
        <translation>音效已加密：请先解锁，预置文件会以未加密形式保存音效。</translation>
    </message>
    <message>
        <source>The tuning is protected: unlock it first.</source>
        <translation>音效已加密：请先解锁。</translation>
    </message>
    <message>
        <source>The unlock</source>
        <translation>解锁</translation>
    </message>
    <message>
        <source>You may not read this file.</source>
        <translation>没有读取此文件的权限。</translation>
    </message>
    <message>
        <source>before A/B switch</source>
        <translation>A/B切换前</translation>
    </message>
    <message>
        <source>before factory reset</source>
        <translation>恢复出厂前</translation>
    </message>
    <message>
        <source>before firmware update</source>
        <translation>固件更新前</translation>
    </message>
    <message>
        <source>before loading a file</source>
        <translation>打开文件前</translation>
    </message>
    <message>
        <source>before recall</source>
        <translation>调用预置前</translation>
    </message>
    <message>
        <source>before reset of the lock</source>
        <translation>重置加密前</translation>
    </message>
    <message>
        <source>before store</source>
        <translation>保存预置前</translation>
    </message>
    <message>
        <source>not a complete preset file</source>
        <translation>不是完整预置文件</translation>
    </message>
    <message>
        <source>not a preset file</source>
        <translation>不是预置文件</translation>
    </message>
    <message>
        <source>prompt</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>save all MusicFile Error!</source>
        <translation>保存所有音乐文件错误!</translation>
    </message>
    <message>
        <source>the password length is incorrect! Please enter a 6-digit password!</source>
        <translation>输入密码格式不正确!请输入6位数密码!</translation>
    </message>
</context>
<context>
    <name>Common</name>
    <message>
        <source>&quot;%1&quot; is not a regular file (a folder, a pipe or a device): it is not read.</source>
        <translation>“%1”不是普通文件（文件夹、管道或设备），不予读取。</translation>
    </message>
    <message>
        <source>The text contains characters the processor cannot store.</source>
        <translation>文本中有设备无法保存的字符。</translation>
    </message>
</context>
<context>
    <name>Connection</name>
    <message>
        <source> If device version is lower than the software version, only the device at version, DAZE-VE%1.01 to DAZE-VE%1.99, can be connected with this software.</source>
        <translation>设备版本比PC软件版本号低，只有版本号为“DAZE-VE%1.01到DAZE-VE%1.99”之间的设备才能和该版本的PC软件连接。</translation>
    </message>
    <message>
        <source> If software version is lower than the device version, only the software at version, VERI-ZE%1.01 to VERI-ZE%1.99, can be connected with this device.</source>
        <translation>PC软件版本比设备版本号低，只有版本号为“VERI-ZE%1.01到VERI-ZE%1.99”之间的PC软件才能和该版本的设备连接。</translation>
    </message>
    <message>
        <source>%1 has not taken the previous report yet</source>
        <translation>%1 尚未接收上一个报告</translation>
    </message>
    <message>
        <source>%1 is not open</source>
        <translation>%1 未打开</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>A report for %1 is too long</source>
        <translation>发往 %1 的报告过长</translation>
    </message>
    <message>
        <source>An update is already running.</source>
        <translation>固件正在更新。</translation>
    </message>
    <message>
        <source>Cannot connect to %1</source>
        <translation>无法连接 %1</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>无法打开 %1</translation>
    </message>
    <message>
        <source>Connected Usb</source>
        <translation>连接Usb</translation>
    </message>
    <message>
        <source>Connection failure!</source>
        <translation>连接失败!</translation>
    </message>
    <message>
        <source>Connection failure!</source>
        <comment>USB device in use</comment>
        <translation>连接失败  请检查USB线缆是否插好或
该设备已经连接上了另一软件!</translation>
    </message>
    <message>
        <source>Connection failure!</source>
        <comment>USB link</comment>
        <translation>连接失败  请检查USB线缆是否插好或重启计算机和设备后再尝试连接!</translation>
    </message>
    <message>
        <source>Connection failure!</source>
        <comment>network link</comment>
        <translation>     连接失败!    </translation>
    </message>
    <message>
        <source>Connection failure!</source>
        <comment>serial link</comment>
        <translation>连接失败  请检查COM线缆是否插好或重启计算机和设备后再尝试连接!</translation>
    </message>
    <message>
        <source>Erasing......</source>
        <translation>擦除中......</translation>
    </message>
    <message>
        <source>No connection can be opened</source>
        <translation>没有连接可以打开</translation>
    </message>
    <message>
        <source>Please Update the Firmware!</source>
        <translation>设备异常 请更新固件!!</translation>
    </message>
    <message>
        <source>Sending to %1 failed</source>
        <translation>发送到 %1 失败</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>已停止。</translation>
    </message>
    <message>
        <source>%1 ran past its time limit</source>
        <translation>%1超过了时限</translation>
    </message>
    <message>
        <source>Stopped: %1.</source>
        <translation>已停止：%1。</translation>
    </message>
    <message>
        <source>the processor asked for a frame of %1 again more than %2 times</source>
        <translation>%1中的一帧被处理器要求重发超过%2次</translation>
    </message>
    <message>
        <source>the processor asked for one frame again more than %1 times</source>
        <translation>一帧被处理器要求重发超过%1次</translation>
    </message>
    <message>
        <source>Update successfully!</source>
        <translation>固件更新完成!</translation>
    </message>
    <message>
        <source>Writing to %1 failed</source>
        <translation>写入 %1 失败</translation>
    </message>
    <message>
        <source>Writing to %1 took longer than %2 ms</source>
        <translation>写入 %1 超时（%2 毫秒）</translation>
    </message>
    <message>
        <source>char Len error!</source>
        <translation>字符长度错误!</translation>
    </message>
    <message>
        <source>sending everything</source>
        <translation>发送全部</translation>
    </message>
    <message>
        <source>sending the preset</source>
        <translation>发送预设</translation>
    </message>
    <message>
        <source>the backup of the stored presets</source>
        <translation>备份已存预设</translation>
    </message>
    <message>
        <source>the full read</source>
        <translation>完整读取</translation>
    </message>
    <message>
        <source>the preset recall</source>
        <translation>调用预设</translation>
    </message>
    <message>
        <source>the transfer</source>
        <translation>传输</translation>
    </message>
</context>
<context>
    <name>Edits</name>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 values were outside their limits and were limited.</source>
        <translation>%1 个数值超出范围，已限制在范围内。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>1 value was outside its limits and was limited.</source>
        <translation>1 个数值超出范围，已限制在范围内。</translation>
    </message>
    <message>
        <source>EQ</source>
        <translation>均衡</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>链接</translation>
    </message>
    <message>
        <source>Listening position</source>
        <translation>听音位置</translation>
    </message>
    <message>
        <source>Main volume</source>
        <translation>主音量</translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation>输出通道</translation>
    </message>
    <message>
        <source>Preset name</source>
        <translation>预置名称</translation>
    </message>
    <message>
        <source>Q</source>
        <translation>Q值</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Whether ByPass All EQ?</source>
        <translation>是否直通所有均衡?</translation>
    </message>
    <message>
        <source>Whether Restore All EQ?</source>
        <translation>是否恢复所有均衡?</translation>
    </message>
    <message>
        <source>Whether the reset All EQ?</source>
        <translation>是否重置所有均衡?</translation>
    </message>
    <message>
        <source>band %1</source>
        <translation>频段%1</translation>
    </message>
    <message>
        <source>bypass</source>
        <translation>直通</translation>
    </message>
    <message>
        <source>delay</source>
        <translation>延时</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>频率</translation>
    </message>
    <message>
        <source>gain</source>
        <translation>增益</translation>
    </message>
    <message>
        <source>high-pass</source>
        <translation>高通</translation>
    </message>
    <message>
        <source>low-pass</source>
        <translation>低通</translation>
    </message>
    <message>
        <source>mute</source>
        <translation>静音</translation>
    </message>
    <message>
        <source>name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>polarity</source>
        <translation>相位</translation>
    </message>
    <message>
        <source>settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>slope</source>
        <translation>斜率</translation>
    </message>
    <message>
        <source>strip</source>
        <translation>通道</translation>
    </message>
    <message>
        <source>type</source>
        <translation>类型</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>&quot;%1&quot; in the file has the wrong type.</source>
        <translation>文件中的“%1”类型错误。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in the file is longer than its place in the tuning.</source>
        <translation>文件中的“%1”超出了参数的长度。</translation>
    </message>
    <message>
        <source>%1 report</source>
        <translation>%1 参数报告</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a path and why it cannot be written</comment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>（未命名）</translation>
    </message>
    <message>
        <source>Args</source>
        <translation>参数</translation>
    </message>
    <message>
        <source>Attach</source>
        <translation>响应时间</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>中置</translation>
    </message>
    <message>
        <source>Client: %1</source>
        <translation>客户：%1</translation>
    </message>
    <message>
        <source>Client: %1, Vehicle: %2</source>
        <translation>客户：%1，车型：%2</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>延  时</translation>
    </message>
    <message>
        <source>EQ%1 Freq</source>
        <translation>均衡%1频率</translation>
    </message>
    <message>
        <source>EQ%1 Gain</source>
        <translation>均衡%1增益</translation>
    </message>
    <message>
        <source>EQ%1 Q</source>
        <translation>均衡%1Q值</translation>
    </message>
    <message>
        <source>EQ%1 Type</source>
        <translation>均衡%1类型</translation>
    </message>
    <message>
        <source>File %1</source>
        <translation>文件 %1</translation>
    </message>
    <message>
        <source>Front.Left</source>
        <translation>前左</translation>
    </message>
    <message>
        <source>Front.Right</source>
        <translation>前右</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>增益</translation>
    </message>
    <message>
        <source>HPF_Freq</source>
        <translation>低切频率</translation>
    </message>
    <message>
        <source>HPF_Oct</source>
        <translation>低切斜率</translation>
    </message>
    <message>
        <source>HPF_Type</source>
        <translation>低切类型</translation>
    </message>
    <message>
        <source>LPF_Freq</source>
        <translation>高切频率</translation>
    </message>
    <message>
        <source>LPF_Oct</source>
        <translation>高切斜率</translation>
    </message>
    <message>
        <source>LPF_Type</source>
        <translation>高切类型</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>静  音</translation>
    </message>
    <message>
        <source>Not enough memory to build the file.</source>
        <translation>内存不足，无法生成文件。</translation>
    </message>
    <message>
        <source>POL</source>
        <translation>相  位</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>第 %1 页，共 %2 页</translation>
    </message>
    <message>
        <source>Parameter report: %1</source>
        <translation>参数报告：%1</translation>
    </message>
    <message>
        <source>Processor (%1)</source>
        <translation>处理器（%1）</translation>
    </message>
    <message>
        <source>Read Mode File  Error</source>
        <translation>读模式文件错误!</translation>
    </message>
    <message>
        <source>Read MusicFile  Error</source>
        <translation>读音乐文件错误!</translation>
    </message>
    <message>
        <source>Rear.Left</source>
        <translation>后左</translation>
    </message>
    <message>
        <source>Rear.Right</source>
        <translation>后右</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>释放时间</translation>
    </message>
    <message>
        <source>Save Mode File Error!</source>
        <translation>保存模式文件错误!</translation>
    </message>
    <message>
        <source>Save MusicFile Error!</source>
        <translation>保存音乐文件错误!</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>来源：%1</translation>
    </message>
    <message>
        <source>Source: %1, %2</source>
        <translation>来源：%1，%2</translation>
    </message>
    <message>
        <source>Sub</source>
        <translation>超低</translation>
    </message>
    <message>
        <source>The chosen pages are not in the printout.</source>
        <translation>所选页码超出了打印范围。</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be written.</source>
        <translation>无法写入文件“%1”。</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be written: %2.</source>
        <translation>无法写入文件“%1”：%2。</translation>
    </message>
    <message>
        <source>The file belongs to another brand.</source>
        <translation>该文件属于其他品牌。</translation>
    </message>
    <message>
        <source>The file cannot be opened.</source>
        <translation>无法打开文件。</translation>
    </message>
    <message>
        <source>The file cannot be read completely.</source>
        <translation>无法完整读取文件。</translation>
    </message>
    <message>
        <source>The file has no &quot;%1&quot;.</source>
        <translation>文件缺少“%1”。</translation>
    </message>
    <message>
        <source>The file holds more than 16 presets.</source>
        <translation>文件中的音效超过16组。</translation>
    </message>
    <message>
        <source>The file is damaged or incomplete: it is not valid JSON.</source>
        <translation>文件已损坏或不完整：不是有效的JSON。</translation>
    </message>
    <message>
        <source>The file is not a complete preset file.</source>
        <translation>该文件不是完整音效文件。</translation>
    </message>
    <message>
        <source>The file is not a single preset file.</source>
        <translation>该文件不是单个音效文件。</translation>
    </message>
    <message>
        <source>The file is too large to be a preset file.</source>
        <translation>文件太大，不是音效文件。</translation>
    </message>
    <message>
        <source>The file was made for another machine type.</source>
        <translation>该文件属于其他机型。</translation>
    </message>
    <message>
        <source>The mode file is incomplete or damaged; nothing was changed.</source>
        <translation>模式文件不完整或已损坏,未作任何更改。</translation>
    </message>
    <message>
        <source>The mode file names listening position %1, but only positions 0 to 3 exist; nothing was changed.</source>
        <translation>模式文件中的听音位置 %1 无效(只有 0 到 3),未作任何更改。</translation>
    </message>
    <message>
        <source>The music file is incomplete or damaged; nothing was loaded.</source>
        <translation>音乐文件不完整或已损坏,未载入任何数据。</translation>
    </message>
    <message>
        <source>The printed pages cannot be prepared.</source>
        <translation>无法生成打印页面。</translation>
    </message>
    <message>
        <source>The table can only be printed while the program&apos;s window is open.</source>
        <translation>只有在程序的图形界面运行时才能打印参数表。</translation>
    </message>
    <message>
        <source>The table is empty; there is nothing to print.</source>
        <translation>参数表为空，没有可打印的内容。</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>限幅电平</translation>
    </message>
    <message>
        <source>Vehicle: %1</source>
        <translation>车型：%1</translation>
    </message>
    <message>
        <source>file too large</source>
        <translation>文件过大</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>这是一个文件夹</translation>
    </message>
    <message>
        <source>no such folder</source>
        <translation>文件夹不存在</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>没有写入权限</translation>
    </message>
    <message>
        <source>read-only file system</source>
        <translation>只读文件系统</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>磁盘已满</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>磁盘配额已用完</translation>
    </message>
</context>
<context>
    <name>Firmware</name>
    <message>
        <source>Bin File error!</source>
        <translation>Bin文件错误!</translation>
    </message>
    <message>
        <source>Dsp update begins!</source>
        <translation>数据传输</translation>
    </message>
    <message>
        <source>Firmware update begins!</source>
        <translation>固件开始更新</translation>
    </message>
    <message>
        <source>Programming......</source>
        <comment>DSP block starts</comment>
        <translation>DSP更新开始</translation>
    </message>
    <message>
        <source>Programming......</source>
        <comment>data transfer</comment>
        <translation>数据传输</translation>
    </message>
    <message>
        <source>The firmware file is too large (more than %1 bytes)!</source>
        <translation>固件文件太大（超过 %1 字节）!</translation>
    </message>
    <message>
        <source>Update file error!</source>
        <translation>更新文件错误!</translation>
    </message>
    <message>
        <source>Update successfully!</source>
        <translation>更新完成!</translation>
    </message>
</context>
<context>
    <name>Measuring</name>
    <message>
        <source>&quot;%1&quot; is not a number.</source>
        <translation>“%1”不是数字。</translation>
    </message>
    <message>
        <source>%1 filter(s) cannot be placed on the processor; nothing was applied. Ask to apply the rest to import the others.</source>
        <translation>%1 个滤波器无法放到处理器上；未应用任何设置。如需导入其余滤波器，请选择应用其余部分。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>No single audio device matches &quot;%1&quot;.</source>
        <translation>没有唯一匹配“%1”的音频设备。</translation>
    </message>
    <message>
        <source>None of the file&apos;s filters can be placed on the processor.</source>
        <translation>文件中的滤波器都无法放到处理器上。</translation>
    </message>
    <message>
        <source>The audio device stopped delivering sound.</source>
        <translation>音频设备停止传送声音。</translation>
    </message>
    <message>
        <source>The boost limit must be between 0 and 20 dB.</source>
        <translation>最大提升必须在 0 到 20 dB 之间。</translation>
    </message>
    <message>
        <source>The cut limit must be between 0 and 20 dB.</source>
        <translation>最大衰减必须在 0 到 20 dB 之间。</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be opened.</source>
        <translation>无法打开文件“%1”。</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read.</source>
        <translation>无法读取文件“%1”。</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; ends its lines with CR alone (old Mac text): save it with LF or CR LF line ends.</source>
        <translation>文件“%1”仅以 CR 作为行尾（旧 Mac 文本）：请以 LF 或 CR LF 行尾另存。</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is UTF-16 text (or holds zero bytes): save it as UTF-8 or ASCII text.</source>
        <translation>文件“%1”是 UTF-16 文本（或含有零字节）：请另存为 UTF-8 或 ASCII 文本。</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is too large (more than 8 MB).</source>
        <translation>文件“%1”太大（超过 8 MB）。</translation>
    </message>
    <message>
        <source>The file has no filters for this channel.</source>
        <translation>文件中没有该声道的滤波器。</translation>
    </message>
    <message>
        <source>The filter file &quot;%1&quot; cannot be used. %2</source>
        <translation>滤波器文件“%1”无法使用。%2</translation>
    </message>
    <message>
        <source>The fit range must lie within 20 Hz..20 kHz and span at least a third of an octave.</source>
        <translation>拟合范围必须在 20 Hz 到 20 kHz 之内，且至少为三分之一倍频程。</translation>
    </message>
    <message>
        <source>The measurement &quot;%1&quot; cannot be used. %2</source>
        <translation>测量文件“%1”无法使用。%2</translation>
    </message>
    <message>
        <source>The measurement has fewer than two points between 20 Hz and 20 kHz.</source>
        <translation>测量数据在 20 Hz 到 20 kHz 之间少于两个点。</translation>
    </message>
    <message>
        <source>The microphone calibration &quot;%1&quot; cannot be used. %2</source>
        <translation>麦克风校准文件“%1”无法使用。%2</translation>
    </message>
    <message>
        <source>The microphone input clipped (peak %1 dBFS): lower the input gain or the volume.</source>
        <translation>麦克风输入削波（峰值 %1 dBFS）：请降低输入增益或音量。</translation>
    </message>
    <message>
        <source>The microphone signal is too quiet (peak %1 dBFS): raise the input gain or the volume.</source>
        <translation>麦克风信号太弱（峰值 %1 dBFS）：请提高输入增益或音量。</translation>
    </message>
    <message>
        <source>The noise file cannot be made.</source>
        <translation>无法生成噪声文件。</translation>
    </message>
    <message>
        <source>The sound card kept losing samples; close other programs and try again.</source>
        <translation>声卡持续丢失采样；请关闭其他程序后重试。</translation>
    </message>
    <message>
        <source>The text holds no filters.</source>
        <translation>文本中没有滤波器。</translation>
    </message>
    <message>
        <source>all 31 bands are taken</source>
        <translation>31 个频段已全部占用</translation>
    </message>
    <message>
        <source>expected a frequency and a level.</source>
        <translation>应为频率和电平两列。</translation>
    </message>
    <message>
        <source>no channel is named.</source>
        <translation>未指定声道。</translation>
    </message>
    <message>
        <source>the filter cannot be read (%1).</source>
        <translation>无法读取该滤波器（%1）。</translation>
    </message>
    <message>
        <source>the frequencies must increase from line to line.</source>
        <translation>频率必须逐行递增。</translation>
    </message>
    <message>
        <source>the frequency must be above 0 Hz.</source>
        <translation>频率必须大于 0 Hz。</translation>
    </message>
    <message>
        <source>the high-pass is already taken</source>
        <translation>高通已被占用</translation>
    </message>
    <message>
        <source>the high-pass would sit above the low-pass</source>
        <translation>高通频率将高于低通频率</translation>
    </message>
    <message>
        <source>the level is not a level in dB.</source>
        <translation>电平不是以 dB 表示的值。</translation>
    </message>
    <message>
        <source>the line is not text of numbers.</source>
        <translation>该行不是数字文本。</translation>
    </message>
    <message>
        <source>the low-pass is already taken</source>
        <translation>低通已被占用</translation>
    </message>
    <message>
        <source>the preamp gain cannot be read.</source>
        <translation>无法读取前级增益。</translation>
    </message>
    <message>
        <source>the processor has no %1 filter</source>
        <translation>处理器没有 %1 类型的滤波器</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>%1 and %2 are linked; press to unlink them</source>
        <translation>%1 和 %2 已联动；按下取消联动</translation>
    </message>
    <message>
        <source>%1 filter kind</source>
        <translation>%1滤波器类型</translation>
    </message>
    <message>
        <source>%1 frequency, 20 to 20000 Hz</source>
        <translation>%1频率, 20 至 20000 Hz</translation>
    </message>
    <message>
        <source>%1 slope; 6 dB/Oct is always Linkwitz-Riley</source>
        <translation>%1斜率；6 dB/Oct 总是宁克</translation>
    </message>
    <message>
        <source>Attack</source>
        <translation>响应时间</translation>
    </message>
    <message>
        <source>BY</source>
        <translation>BY</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>频段</translation>
    </message>
    <message>
        <source>Band %1 Q</source>
        <comment>accessible name</comment>
        <translation>Band %1 Q</translation>
    </message>
    <message>
        <source>Band %1 Q, 0.404 to 28.85</source>
        <translation>第%1段 Q 值, 0.404 至 28.85</translation>
    </message>
    <message>
        <source>Band %1 bypass</source>
        <comment>accessible name</comment>
        <translation>Band %1 bypass</translation>
    </message>
    <message>
        <source>Band %1 bypass: on leaves the band flat</source>
        <translation>第%1段直通: 打开时该段不起作用</translation>
    </message>
    <message>
        <source>Band %1 frequency</source>
        <comment>accessible name</comment>
        <translation>Band %1 frequency</translation>
    </message>
    <message>
        <source>Band %1 frequency, 20 to 20000 Hz</source>
        <translation>第%1段频率, 20 至 20000 Hz</translation>
    </message>
    <message>
        <source>Band %1 gain</source>
        <comment>accessible name</comment>
        <translation>Band %1 gain</translation>
    </message>
    <message>
        <source>Band %1 gain fader</source>
        <comment>accessible name</comment>
        <translation>Band %1 gain fader</translation>
    </message>
    <message>
        <source>Band %1 gain, -20.0 to +20.0 dB</source>
        <translation>第%1段增益, -20.0 至 +20.0 dB</translation>
    </message>
    <message>
        <source>Band %1 shelf slope</source>
        <translation>第%1段搁架斜率</translation>
    </message>
    <message>
        <source>Band %1 shelf slope</source>
        <comment>accessible name</comment>
        <translation>Band %1 shelf slope</translation>
    </message>
    <message>
        <source>Band %1 type</source>
        <comment>accessible name</comment>
        <translation>Band %1 type</translation>
    </message>
    <message>
        <source>Band %1 type: peak, low shelf or high shelf (a shelf has no Q)</source>
        <translation>第%1段类型: 峰值、低搁架或高搁架（搁架无 Q 值）</translation>
    </message>
    <message>
        <source>Band types</source>
        <translation>频段类型</translation>
    </message>
    <message>
        <source>Before %1 and %2 are linked their settings must be made equal. Which way should they be copied?</source>
        <translation>联动 %1 和 %2 之前必须使两者的设置相同。请选择复制方向：</translation>
    </message>
    <message>
        <source>ByPass All</source>
        <translation>全部直通</translation>
    </message>
    <message>
        <source>Bypass all bands</source>
        <comment>accessible name</comment>
        <translation>Bypass all bands</translation>
    </message>
    <message>
        <source>Bypass every band of this channel, or restore them</source>
        <translation>直通或恢复本通道的所有均衡段</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>accessible name</comment>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>通道</translation>
    </message>
    <message>
        <source>Channel %1 %2</source>
        <comment>accessible name</comment>
        <translation>Channel %1 %2</translation>
    </message>
    <message>
        <source>Channel %1 %2 delay</source>
        <comment>accessible name</comment>
        <translation>Channel %1 %2 delay</translation>
    </message>
    <message>
        <source>Channel %1 %2 gain</source>
        <comment>accessible name</comment>
        <translation>Channel %1 %2 gain</translation>
    </message>
    <message>
        <source>Channel %1 %2 gain (EQ row)</source>
        <comment>accessible name</comment>
        <translation>Channel %1 %2 gain (EQ row)</translation>
    </message>
    <message>
        <source>Channel %1 %2 gain down</source>
        <comment>accessible name</comment>
        <translation>Channel %1 %2 gain down</translation>
    </message>
    <message>
        <source>Channel %1 %2 gain fader</source>
        <comment>accessible name</comment>
        <translation>Channel %1 %2 gain fader</translation>
    </message>
    <message>
        <source>Channel %1 %2 gain up</source>
        <comment>accessible name</comment>
        <translation>Channel %1 %2 gain up</translation>
    </message>
    <message>
        <source>Channel %1 %2 mute</source>
        <comment>accessible name</comment>
        <translation>Channel %1 %2 mute</translation>
    </message>
    <message>
        <source>Channel %1 %2 mute (EQ row)</source>
        <comment>accessible name</comment>
        <translation>Channel %1 %2 mute (EQ row)</translation>
    </message>
    <message>
        <source>Channel %1 %2 polarity</source>
        <comment>accessible name</comment>
        <translation>Channel %1 %2 polarity</translation>
    </message>
    <message>
        <source>Channel %1 %2 polarity (EQ row)</source>
        <comment>accessible name</comment>
        <translation>Channel %1 %2 polarity (EQ row)</translation>
    </message>
    <message>
        <source>Channel name</source>
        <comment>accessible name</comment>
        <translation>Channel name</translation>
    </message>
    <message>
        <source>Channel settings</source>
        <comment>accessible name</comment>
        <translation>Channel settings</translation>
    </message>
    <message>
        <source>Channel settings...</source>
        <translation>通道设置...</translation>
    </message>
    <message>
        <source>Channel settings: %1</source>
        <translation>通道设置: %1</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>通道</translation>
    </message>
    <message>
        <source>Cm</source>
        <translation>厘米</translation>
    </message>
    <message>
        <source>Copy %1 to %2 (left to right)</source>
        <translation>把 %1 复制到 %2（左到右）</translation>
    </message>
    <message>
        <source>Copy %2 to %1 (right to left)</source>
        <translation>把 %2 复制到 %1（右到左）</translation>
    </message>
    <message>
        <source>Copy left to right</source>
        <comment>accessible name</comment>
        <translation>Copy left to right</translation>
    </message>
    <message>
        <source>Copy right to left</source>
        <comment>accessible name</comment>
        <translation>Copy right to left</translation>
    </message>
    <message>
        <source>Crossover</source>
        <translation>分频</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>延时</translation>
    </message>
    <message>
        <source>Delay channel %1 %2</source>
        <comment>accessible name</comment>
        <translation>Delay channel %1 %2</translation>
    </message>
    <message>
        <source>Delay of %1 in position %2 (%3)</source>
        <translation>听音位置 %2 中 %1 的延时（%3）</translation>
    </message>
    <message>
        <source>Delay of %1, 0 to 5.396 ms (0 to 187 cm)</source>
        <translation>%1 的延时, 0 至 5.396 毫秒（0 至 187 厘米）</translation>
    </message>
    <message>
        <source>Delay unit</source>
        <comment>accessible name</comment>
        <translation>Delay unit</translation>
    </message>
    <message>
        <source>Delays of the four listening positions, in the delay page&apos;s unit (%1).</source>
        <translation>四个听音位置的延时, 单位与延时页相同（%1）。</translation>
    </message>
    <message>
        <source>Drag the band point, its bandwidth handles or a crossover marker. Click to select the nearest band. Wheel: gain; Shift+wheel: Q. Left/Right: band; Up/Down: gain.</source>
        <translation>拖动频段点、带宽手柄或分频标记。单击选择最近的频段。滚轮：增益；Shift+滚轮：Q。左/右：频段；上/下：增益。</translation>
    </message>
    <message>
        <source>EQ mode</source>
        <translation>均衡模式</translation>
    </message>
    <message>
        <source>EQ mode</source>
        <comment>accessible name</comment>
        <translation>EQ mode</translation>
    </message>
    <message>
        <source>EQ units</source>
        <comment>accessible name</comment>
        <translation>EQ units</translation>
    </message>
    <message>
        <source>Edit the input routing</source>
        <translation>编辑输入分配</translation>
    </message>
    <message>
        <source>Edit the input routing</source>
        <comment>accessible name</comment>
        <translation>Edit the input routing</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>频率</translation>
    </message>
    <message>
        <source>Full interface page</source>
        <translation>完整界面</translation>
    </message>
    <message>
        <source>GEQ</source>
        <translation>GEQ</translation>
    </message>
    <message>
        <source>Gain of %1, -60.0 to 0.0 dB; linked channels keep their offsets</source>
        <translation>%1 的增益, -60.0 至 0.0 dB；联动通道保持差值</translation>
    </message>
    <message>
        <source>High pass</source>
        <translation>高通</translation>
    </message>
    <message>
        <source>High pass frequency</source>
        <comment>accessible name</comment>
        <translation>High pass frequency</translation>
    </message>
    <message>
        <source>High pass kind</source>
        <comment>accessible name</comment>
        <translation>High pass kind</translation>
    </message>
    <message>
        <source>High pass slope</source>
        <comment>accessible name</comment>
        <translation>High pass slope</translation>
    </message>
    <message>
        <source>High shelf</source>
        <translation>高搁架</translation>
    </message>
    <message>
        <source>Input %1</source>
        <translation>输入 %1</translation>
    </message>
    <message>
        <source>Input routing</source>
        <translation>输入分配</translation>
    </message>
    <message>
        <source>Limiter</source>
        <translation>限幅器</translation>
    </message>
    <message>
        <source>Limiter attack</source>
        <comment>accessible name</comment>
        <translation>Limiter attack</translation>
    </message>
    <message>
        <source>Limiter attack, 0.3 to 100 ms</source>
        <translation>限幅响应时间, 0.3 至 100 ms</translation>
    </message>
    <message>
        <source>Limiter release</source>
        <comment>accessible name</comment>
        <translation>Limiter release</translation>
    </message>
    <message>
        <source>Limiter release, a multiple of the attack</source>
        <translation>限幅释放时间, 响应时间的倍数</translation>
    </message>
    <message>
        <source>Limiter threshold</source>
        <comment>accessible name</comment>
        <translation>Limiter threshold</translation>
    </message>
    <message>
        <source>Limiter threshold, -30.0 to +6.0 dBu</source>
        <translation>限幅电平, -30.0 至 +6.0 dBu</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>联动</translation>
    </message>
    <message>
        <source>Link %1 and %2: edits on one are repeated on the other</source>
        <translation>联动 %1 和 %2: 一个通道的调节同时作用于另一个</translation>
    </message>
    <message>
        <source>Link channels</source>
        <translation>通道联动</translation>
    </message>
    <message>
        <source>Link channels</source>
        <comment>accessible name</comment>
        <translation>Link channels</translation>
    </message>
    <message>
        <source>Link pair %1</source>
        <comment>accessible name</comment>
        <translation>Link pair %1</translation>
    </message>
    <message>
        <source>Linked with %1</source>
        <translation>与%1联动</translation>
    </message>
    <message>
        <source>Listening position in use</source>
        <comment>accessible name</comment>
        <translation>Listening position in use</translation>
    </message>
    <message>
        <source>Listening positions</source>
        <translation>听音位置</translation>
    </message>
    <message>
        <source>Low pass</source>
        <translation>低通</translation>
    </message>
    <message>
        <source>Low pass frequency</source>
        <comment>accessible name</comment>
        <translation>Low pass frequency</translation>
    </message>
    <message>
        <source>Low pass kind</source>
        <comment>accessible name</comment>
        <translation>Low pass kind</translation>
    </message>
    <message>
        <source>Low pass slope</source>
        <comment>accessible name</comment>
        <translation>Low pass slope</translation>
    </message>
    <message>
        <source>Low shelf</source>
        <translation>低搁架</translation>
    </message>
    <message>
        <source>Lower the gain of %1 by 0.1 dB</source>
        <translation>%1 的增益降低 0.1 dB</translation>
    </message>
    <message>
        <source>Main volume</source>
        <comment>accessible name</comment>
        <translation>Main volume</translation>
    </message>
    <message>
        <source>Main volume fader</source>
        <comment>accessible name</comment>
        <translation>Main volume fader</translation>
    </message>
    <message>
        <source>Main volume, OFF or -59 to +6 dB</source>
        <translation>主音量, 关闭或 -59 至 +6 dB</translation>
    </message>
    <message>
        <source>Make %1 the current channel</source>
        <translation>把 %1 设为当前通道</translation>
    </message>
    <message>
        <source>Master mute</source>
        <comment>accessible name</comment>
        <translation>Master mute</translation>
    </message>
    <message>
        <source>Measured</source>
        <translation>测量</translation>
    </message>
    <message>
        <source>Ms</source>
        <translation>毫秒</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>静音</translation>
    </message>
    <message>
        <source>Mute or unmute every output</source>
        <translation>所有输出静音或取消静音</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Name of the channel, at most 7 characters (a Chinese character counts as 2); Enter applies it</source>
        <translation>通道名称, 最多 7 个字符（一个汉字占 2 个）; 回车生效</translation>
    </message>
    <message>
        <source>Name, limiter, EQ mode, input routing, band types and listening positions of the current channel (Alt+S)</source>
        <translation>当前通道的名称、限幅器、均衡模式、输入分配、频段类型和听音位置（Alt+S）</translation>
    </message>
    <message>
        <source>No band is raised: every band is flat, so there is nothing to bypass or restore.</source>
        <translation>没有提升的频段：所有频段都是平直的，无可直通或恢复。</translation>
    </message>
    <message>
        <source>Not linked</source>
        <translation>未联动</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>accessible name</comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Output EQ</source>
        <translation>输出均衡</translation>
    </message>
    <message>
        <source>Output EQ</source>
        <comment>accessible name</comment>
        <translation>Output EQ</translation>
    </message>
    <message>
        <source>Output channel</source>
        <translation>输出通道</translation>
    </message>
    <message>
        <source>Output response graph</source>
        <translation>输出响应曲线图</translation>
    </message>
    <message>
        <source>PEQ</source>
        <translation>PEQ</translation>
    </message>
    <message>
        <source>PEQ: frequency, gain and Q of each band; GEQ: fixed bands, only the gain is dragged. Linked channels follow</source>
        <translation>PEQ: 每段可调频率、增益和 Q 值; GEQ: 固定频段, 只拖动增益。联动通道同时改变</translation>
    </message>
    <message>
        <source>Peak</source>
        <translation>峰值</translation>
    </message>
    <message>
        <source>Polarity of %1: normal (Pol+) or inverted (Pol-)</source>
        <translation>%1 的相位: 正相或反相</translation>
    </message>
    <message>
        <source>Position %1 channel %2 delay</source>
        <comment>accessible name</comment>
        <translation>Position %1 channel %2 delay</translation>
    </message>
    <message>
        <source>Position in use</source>
        <translation>当前听音位置</translation>
    </message>
    <message>
        <source>Position: %1</source>
        <translation>听音位置: %1</translation>
    </message>
    <message>
        <source>Predicted</source>
        <translation>预测</translation>
    </message>
    <message>
        <source>Raise the gain of %1 by 0.1 dB</source>
        <translation>%1 的增益提高 0.1 dB</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>释放时间</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>全部重置</translation>
    </message>
    <message>
        <source>Reset all bands</source>
        <comment>accessible name</comment>
        <translation>Reset all bands</translation>
    </message>
    <message>
        <source>Reset every band of this channel to its default</source>
        <translation>把本通道的所有均衡段恢复为默认值</translation>
    </message>
    <message>
        <source>Share of input %1</source>
        <comment>accessible name</comment>
        <translation>Share of input %1</translation>
    </message>
    <message>
        <source>Share of input %1 that feeds %2, 0 to 100 %</source>
        <translation>输入 %1 送到 %2 的比例, 0 至 100 %</translation>
    </message>
    <message>
        <source>Shelf slope</source>
        <translation>搁架斜率</translation>
    </message>
    <message>
        <source>Show and edit output channel %1 (Alt+%1)</source>
        <translation>显示并编辑输出通道 %1（Alt+%1）</translation>
    </message>
    <message>
        <source>Show channel strips</source>
        <comment>accessible name</comment>
        <translation>Show channel strips</translation>
    </message>
    <message>
        <source>Show output EQ</source>
        <comment>accessible name</comment>
        <translation>Show output EQ</translation>
    </message>
    <message>
        <source>Show the 31-band EQ of the current channel (Alt+E)</source>
        <translation>显示当前通道的31段均衡（Alt+E）</translation>
    </message>
    <message>
        <source>Show the gain, polarity and mute of all six channels (Alt+C)</source>
        <translation>显示六个通道的增益、相位和静音（Alt+C）</translation>
    </message>
    <message>
        <source>Sound of %1: On, or OFF (muted)</source>
        <translation>%1 的声音: 开音或静音</translation>
    </message>
    <message>
        <source>Strip %1 %2</source>
        <comment>accessible name</comment>
        <translation>Strip %1 %2</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>目标</translation>
    </message>
    <message>
        <source>The listening position the processor uses</source>
        <translation>处理器使用的听音位置</translation>
    </message>
    <message>
        <source>The listening position the processor uses (its own table)</source>
        <translation>设备当前使用的听音位置</translation>
    </message>
    <message>
        <source>The name has a character the processor cannot store.</source>
        <translation>名称中有处理器无法保存的字符。</translation>
    </message>
    <message>
        <source>The shares decide which inputs feed this output: a wrong value silences it or feeds it another source</source>
        <translation>分配比例决定哪些输入送到本输出: 错误的值会使其无声或接入其他信号</translation>
    </message>
    <message>
        <source>The tuning is protected: its values are shown read-only. To edit them, press the padlock button &quot;Locked&quot; in the top bar (or More, &quot;Protect or unlock...&quot;) and enter the password.</source>
        <translation>音效已加密：参数只读显示。如需编辑，请按顶栏的锁按钮&quot;已加密&quot;（或 更多 → &quot;加密或解锁...&quot;）并输入密码。</translation>
    </message>
    <message>
        <source>The tuning is protected: these values are shown read-only.</source>
        <translation>音效已加密：参数只读显示。</translation>
    </message>
    <message>
        <source>These shares change which inputs feed this output channel.</source>
        <translation>这些比例改变送到本输出通道的输入。</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>限幅电平</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Unit of the delay fields</source>
        <translation>延时的单位</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>主音量</translation>
    </message>
    <message>
        <source>channel %1 (%2)</source>
        <translation>通道 %1（%2）</translation>
    </message>
</context>
<context>
    <name>Simulator</name>
    <message>
        <source>A report has at most 65 bytes</source>
        <translation>报告最多65字节</translation>
    </message>
    <message>
        <source>No pseudo-terminals on this system</source>
        <translation>此系统不支持伪终端</translation>
    </message>
    <message>
        <source>No simulated device at %1</source>
        <translation>没有模拟设备: %1</translation>
    </message>
    <message>
        <source>No single audio device matches &quot;%1&quot;.</source>
        <translation>没有唯一匹配“%1”的音频设备。</translation>
    </message>
    <message>
        <source>Simulator state file %1: %2</source>
        <translation>模拟器状态文件 %1: %2</translation>
    </message>
    <message>
        <source>The link to %1 is not open</source>
        <translation>到 %1 的连接未打开</translation>
    </message>
    <message>
        <source>The server is already running</source>
        <translation>服务器已在运行</translation>
    </message>
    <message>
        <source>The simulated device %1 is open on another link</source>
        <translation>模拟设备 %1 已被另一连接打开</translation>
    </message>
    <message>
        <source>The simulated device %1 was removed</source>
        <translation>模拟设备 %1 已移除</translation>
    </message>
    <message>
        <source>The virtual car runs at 48000 Hz only.</source>
        <translation>虚拟车辆仅支持 48000 Hz。</translation>
    </message>
    <message>
        <source>Unknown address %1</source>
        <translation>未知地址 %1</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>无法打开</translation>
    </message>
    <message>
        <source>checksum mismatch (damaged file)</source>
        <translation>校验错误（文件已损坏）</translation>
    </message>
    <message>
        <source>not a simulator state file</source>
        <translation>不是模拟器状态文件</translation>
    </message>
    <message>
        <source>written by another version of the simulator</source>
        <translation>版本不符</translation>
    </message>
    <message>
        <source>wrong length (damaged file)</source>
        <translation>长度错误（文件已损坏）</translation>
    </message>
</context>
<context>
    <name>Values</name>
    <message>
        <source>%1CM</source>
        <translation>%1厘米</translation>
    </message>
    <message>
        <source>%1INCH</source>
        <translation>%1英寸</translation>
    </message>
    <message>
        <source>%1MS</source>
        <translation>%1毫秒</translation>
    </message>
    <message>
        <source>Bessel</source>
        <translation>贝塞尔</translation>
    </message>
    <message>
        <source>Butter_W</source>
        <translation>巴特沃斯</translation>
    </message>
    <message>
        <source>C&amp;Front</source>
        <translation>前中置</translation>
    </message>
    <message>
        <source>C&amp;Rear</source>
        <translation>后中置</translation>
    </message>
    <message>
        <source>GEQ</source>
        <translation>图示均衡</translation>
    </message>
    <message>
        <source>Hi_Shf</source>
        <translation>高架</translation>
    </message>
    <message>
        <source>L&amp;Front</source>
        <translation>前左</translation>
    </message>
    <message>
        <source>Link_Ril</source>
        <translation>宁克</translation>
    </message>
    <message>
        <source>Lo_Shf</source>
        <translation>低架</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>OFF</source>
        <comment>mute state</comment>
        <translation>静音</translation>
    </message>
    <message>
        <source>On</source>
        <translation>开音</translation>
    </message>
    <message>
        <source>PEQ</source>
        <translation>参量均衡</translation>
    </message>
    <message>
        <source>Pol+</source>
        <translation>正相</translation>
    </message>
    <message>
        <source>Pol-</source>
        <translation>反相</translation>
    </message>
    <message>
        <source>R&amp;Front</source>
        <translation>前右</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>%1 already exists.
Replace it?</source>
        <translation>%1 已存在。
是否替换？</translation>
    </message>
    <message>
        <source>%1 bands used; largest deviation from the file&apos;s curve %2 dB.</source>
        <translation>使用 %1 个频段；与文件曲线的最大偏差 %2 dB。</translation>
    </message>
    <message>
        <source>%1 browse</source>
        <comment>accessible name</comment>
        <translation>%1 browse</translation>
    </message>
    <message>
        <source>%1 dBFS</source>
        <translation>%1 dBFS</translation>
    </message>
    <message>
        <source>%1 holds the same values.</source>
        <translation>%1 的参数完全相同。</translation>
    </message>
    <message>
        <source>%1 replaces the live tuning and all 15 presets stored in the processor (%2 of them named).
A safety copy of all of them is kept first. Go on?</source>
        <translation>%1 将替换当前音效和处理器中存储的全部15组预置（其中 %2 组有名称）。
将先保存全部数据的安全副本。继续吗？</translation>
    </message>
    <message>
        <source>%1 values differ from %2: they are marked, and each shows the file&apos;s value as its tooltip.</source>
        <translation>%1 个参数与 %2 不同：已标出，鼠标停留可见文件中的值。</translation>
    </message>
    <message>
        <source>%1: %2 ms</source>
        <translation>%1: %2 毫秒</translation>
    </message>
    <message>
        <source>%1: %2 ms (limited: the processor delays at most 5.396 ms)</source>
        <translation>%1: %2 毫秒（已限制：设备最多延时 5.396 毫秒）</translation>
    </message>
    <message>
        <source>%1: enter a distance of 0 or more, or leave it empty.</source>
        <translation>%1: 请输入 0 或更大的距离，或留空。</translation>
    </message>
    <message>
        <source>A REW &quot;Filter Settings&quot; text or an Equalizer APO configuration</source>
        <translation>REW 滤波器设置文本或 Equalizer APO 配置文件</translation>
    </message>
    <message>
        <source>A REW text export or an FRD file of the channel</source>
        <translation>该通道的 REW 文本导出或 FRD 文件</translation>
    </message>
    <message>
        <source>A stored preset: of the processor, or of the complete file shown</source>
        <translation>机器预置：来自机器，或来自显示中的整机文件</translation>
    </message>
    <message>
        <source>A target curve in the measurement formats</source>
        <translation>测量格式的目标曲线文件</translation>
    </message>
    <message>
        <source>A/B, live: %1</source>
        <translation>A/B，当前: %1</translation>
    </message>
    <message>
        <source>A/B: %1</source>
        <translation>A/B: %1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Address (HOST or HOST:PORT):</source>
        <translation>地址（主机 或 主机:端口）：</translation>
    </message>
    <message>
        <source>Align from distances</source>
        <translation>按距离对齐</translation>
    </message>
    <message>
        <source>Align from distances</source>
        <comment>accessible name</comment>
        <translation>Align from distances</translation>
    </message>
    <message>
        <source>Align from distances...</source>
        <translation>按距离对齐...</translation>
    </message>
    <message>
        <source>Applied as one undo step; the check is dotted on the graph.</source>
        <translation>已作为一步应用；检查结果以点线显示在曲线图上。</translation>
    </message>
    <message>
        <source>Applied.</source>
        <translation>已应用。</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Apply</source>
        <comment>accessible name</comment>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Apply EQ</source>
        <translation>应用均衡</translation>
    </message>
    <message>
        <source>Apply alignment</source>
        <translation>应用对齐</translation>
    </message>
    <message>
        <source>Apply the rest</source>
        <comment>accessible name</comment>
        <translation>Apply the rest</translation>
    </message>
    <message>
        <source>Apply what the processor can hold, skip the rest</source>
        <translation>应用设备能保存的滤波器，跳过其余的</translation>
    </message>
    <message>
        <source>Arrival (ms)</source>
        <translation>到达 (毫秒)</translation>
    </message>
    <message>
        <source>At most 13 characters (a Chinese character counts as two)</source>
        <translation>最多 13 个字符（一个汉字算两个）</translation>
    </message>
    <message>
        <source>At most 13 letters, digits or signs</source>
        <translation>最多 13 个字母、数字或符号</translation>
    </message>
    <message>
        <source>Auto-EQ</source>
        <translation>自动均衡</translation>
    </message>
    <message>
        <source>Auto-EQ</source>
        <comment>accessible name</comment>
        <translation>Auto-EQ</translation>
    </message>
    <message>
        <source>Auto-EQ...</source>
        <translation>自动均衡...</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>浏览</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>浏览...</translation>
    </message>
    <message>
        <source>Calibrate all</source>
        <translation>全部校准</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>通道</translation>
    </message>
    <message>
        <source>Choose a file first.</source>
        <translation>请先选择文件。</translation>
    </message>
    <message>
        <source>Choose the file</source>
        <translation>选择文件</translation>
    </message>
    <message>
        <source>Choose the file&apos;s folder and name in a file dialog</source>
        <translation>在文件对话框中选择文件夹和文件名</translation>
    </message>
    <message>
        <source>Choose the microphone&apos;s calibration file</source>
        <translation>选择麦克风校准文件</translation>
    </message>
    <message>
        <source>Click a preset to load it, or open a preset file from the PC.</source>
        <translation>单击预置即可加载，或从电脑打开音效文件。</translation>
    </message>
    <message>
        <source>Click a preset to store the current tuning into it, or open a preset file from the PC.</source>
        <translation>单击预置即可将当前音效存储到其中，或从电脑打开音效文件。</translation>
    </message>
    <message>
        <source>Click: DELETE a preset&apos;s name (right-click to change)</source>
        <translation>单击：删除预置名称（右键可更改）</translation>
    </message>
    <message>
        <source>Click: delete this preset&apos;s name. Right-click or the menu key: choose what a click does</source>
        <translation>单击：删除此预置的名称。右键或菜单键：选择单击的作用</translation>
    </message>
    <message>
        <source>Click: load a preset</source>
        <translation>单击：加载预置</translation>
    </message>
    <message>
        <source>Click: load this preset. Right-click or the menu key: choose what a click does</source>
        <translation>单击：加载此预置。右键或菜单键：选择单击的作用</translation>
    </message>
    <message>
        <source>Click: store the current tuning here. Right-click or the menu key: choose what a click does</source>
        <translation>单击：将当前音效存储到此处。右键或菜单键：选择单击的作用</translation>
    </message>
    <message>
        <source>Click: store the current tuning into a preset</source>
        <translation>单击：将当前音效存储到预置</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>accessible name</comment>
        <translation>Close</translation>
    </message>
    <message>
        <source>Close the window; a run is cancelled first</source>
        <translation>关闭窗口；正在进行的测量会先取消</translation>
    </message>
    <message>
        <source>Close without connecting</source>
        <translation>关闭，不连接</translation>
    </message>
    <message>
        <source>Close without protecting the tuning</source>
        <translation>关闭，不加密</translation>
    </message>
    <message>
        <source>Close without storing</source>
        <translation>关闭，不存储</translation>
    </message>
    <message>
        <source>Close; the measurement stays on the graph</source>
        <translation>关闭；测量曲线保留在曲线图上</translation>
    </message>
    <message>
        <source>Compare with file...</source>
        <translation>与文件对比...</translation>
    </message>
    <message>
        <source>Compare with preset</source>
        <translation>与机器预置对比</translation>
    </message>
    <message>
        <source>Comparison</source>
        <comment>accessible name</comment>
        <translation>Comparison</translation>
    </message>
    <message>
        <source>Compute the result and show it on the graph; nothing is sent</source>
        <translation>计算结果并显示在曲线图上；不发送任何数据</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>Connect over USB, the network or a serial line</source>
        <translation>通过 USB、网络或串口连接</translation>
    </message>
    <message>
        <source>Connect to the processor first.</source>
        <translation>请先连接处理器。</translation>
    </message>
    <message>
        <source>Connect to this address</source>
        <translation>连接到此地址</translation>
    </message>
    <message>
        <source>Connected Usb</source>
        <translation>连接Usb</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>连接方式</translation>
    </message>
    <message>
        <source>Corva DSP</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Current sound effects</source>
        <translation>当前音效</translation>
    </message>
    <message>
        <source>Data processing. Please wait</source>
        <translation>数据处理中……请稍候</translation>
    </message>
    <message>
        <source>Data transmission</source>
        <translation>数据传输</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Delete Machine Preset</source>
        <translation>删除 机器预置音效</translation>
    </message>
    <message>
        <source>Delete mode: a click deletes that preset&apos;s name. Right-click a preset to load again.</source>
        <translation>删除模式：单击将删除该预置的名称。右键单击预置可改回加载。</translation>
    </message>
    <message>
        <source>Delete the chosen preset&apos;s name</source>
        <translation>删除所选预置的名称</translation>
    </message>
    <message>
        <source>Demo processor</source>
        <translation>演示处理器</translation>
    </message>
    <message>
        <source>Device version: %1</source>
        <translation>设备版本: %1</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>差异</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>断开连接</translation>
    </message>
    <message>
        <source>Distance from the listening seat to %1; leave empty to keep its delay</source>
        <translation>听音位置到 %1 的距离；留空则保持其延时</translation>
    </message>
    <message>
        <source>Distance to channel %1</source>
        <comment>accessible name</comment>
        <translation>Distance to channel %1</translation>
    </message>
    <message>
        <source>Distance unit</source>
        <comment>accessible name</comment>
        <translation>Distance unit</translation>
    </message>
    <message>
        <source>Do not unplug it or switch it off until the update has finished. Go on?</source>
        <translation>更新完成前请勿拔出或关闭处理器。继续吗？</translation>
    </message>
    <message>
        <source>End of data transmission</source>
        <translation>数据传输结束</translation>
    </message>
    <message>
        <source>Enter at least one distance.</source>
        <translation>请至少输入一个距离。</translation>
    </message>
    <message>
        <source>Enter password(6-digit):</source>
        <translation>请输入6位数密码:</translation>
    </message>
    <message>
        <source>Enter the address as HOST or HOST:PORT, with a port from 1 to 65535.</source>
        <translation>请按 主机 或 主机:端口 输入地址，端口为 1 到 65535。</translation>
    </message>
    <message>
        <source>Enter the name of a serial port.</source>
        <translation>请输入串口名称。</translation>
    </message>
    <message>
        <source>Enter the password again:</source>
        <translation>请再次输入密码:</translation>
    </message>
    <message>
        <source>Equaliser, crossover, delay and channel pages appear here.</source>
        <translation>均衡、分频、延时和通道页面将显示在这里。</translation>
    </message>
    <message>
        <source>Error after (dB)</source>
        <translation>之后误差 (dB)</translation>
    </message>
    <message>
        <source>Error before (dB)</source>
        <translation>之前误差 (dB)</translation>
    </message>
    <message>
        <source>Error over the range: RMS %1 dB, largest %2 dB before; RMS %3 dB, largest %4 dB after, with %5 bands.</source>
        <translation>范围内误差: 之前 RMS %1 dB，最大 %2 dB；之后 RMS %3 dB，最大 %4 dB，使用 %5 个频段。</translation>
    </message>
    <message>
        <source>Every parameter of the six output channels of the live tuning, one row each</source>
        <translation>实时音效六个输出通道的全部参数，每行一项</translation>
    </message>
    <message>
        <source>Excel(*.xlsx)</source>
        <translation>Excel(*.xlsx)</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>导出CSV</translation>
    </message>
    <message>
        <source>Export Excel</source>
        <translation>导出Excel</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>导出PDF</translation>
    </message>
    <message>
        <source>Extract preset...</source>
        <translation>提取预置...</translation>
    </message>
    <message>
        <source>Factory settings</source>
        <translation>出厂设置</translation>
    </message>
    <message>
        <source>Farther (cm)</source>
        <translation>更远 (厘米)</translation>
    </message>
    <message>
        <source>Farther (in)</source>
        <translation>更远 (英寸)</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>文件名称</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>文件: %1</translation>
    </message>
    <message>
        <source>Filter file</source>
        <comment>accessible name</comment>
        <translation>Filter file</translation>
    </message>
    <message>
        <source>Firmware file</source>
        <translation>固件文件</translation>
    </message>
    <message>
        <source>Fit every channel&apos;s bands to the target as one undo step, then measure again</source>
        <translation>将各通道频段拟合到目标作为一步应用，然后重新测量</translation>
    </message>
    <message>
        <source>Fit range (Hz)</source>
        <translation>拟合范围 (Hz)</translation>
    </message>
    <message>
        <source>Fit range high</source>
        <comment>accessible name</comment>
        <translation>Fit range high</translation>
    </message>
    <message>
        <source>Fit range low</source>
        <comment>accessible name</comment>
        <translation>Fit range low</translation>
    </message>
    <message>
        <source>Flat</source>
        <translation>平直</translation>
    </message>
    <message>
        <source>Forgotten password: replace the protected tuning with the default output settings</source>
        <translation>忘记密码：用默认输出设置替换加密的音效</translation>
    </message>
    <message>
        <source>From a file</source>
        <translation>来自文件</translation>
    </message>
    <message>
        <source>Full interface page</source>
        <translation>完整界面</translation>
    </message>
    <message>
        <source>Full sound and configuration information</source>
        <translation>全部音效和配置信息</translation>
    </message>
    <message>
        <source>Hide measurement</source>
        <translation>隐藏测量曲线</translation>
    </message>
    <message>
        <source>Hide measurement</source>
        <comment>accessible name</comment>
        <translation>Hide measurement</translation>
    </message>
    <message>
        <source>Highest frequency the fit looks at</source>
        <translation>拟合的最高频率</translation>
    </message>
    <message>
        <source>House curve</source>
        <translation>车内曲线</translation>
    </message>
    <message>
        <source>How many microphone positions are measured and averaged</source>
        <translation>测量并平均的麦克风位置数</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>ID:</source>
        <translation>组号：</translation>
    </message>
    <message>
        <source>Import filters</source>
        <translation>导入滤波器</translation>
    </message>
    <message>
        <source>Import filters</source>
        <comment>accessible name</comment>
        <translation>Import filters</translation>
    </message>
    <message>
        <source>Import filters...</source>
        <translation>导入滤波器...</translation>
    </message>
    <message>
        <source>Imported filters</source>
        <comment>accessible name</comment>
        <translation>Imported filters</translation>
    </message>
    <message>
        <source>Impulse responses</source>
        <translation>脉冲响应</translation>
    </message>
    <message>
        <source>Input level</source>
        <translation>输入电平</translation>
    </message>
    <message>
        <source>Keep as A: copy the live tuning into slot A</source>
        <translation>存为A：将当前音效复制到A槽</translation>
    </message>
    <message>
        <source>Keep as B: copy the live tuning into slot B</source>
        <translation>存为B：将当前音效复制到B槽</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Largest boost</source>
        <comment>accessible name</comment>
        <translation>Largest boost</translation>
    </message>
    <message>
        <source>Largest boost (dB)</source>
        <translation>最大提升 (dB)</translation>
    </message>
    <message>
        <source>Level good.</source>
        <translation>电平合适。</translation>
    </message>
    <message>
        <source>Live: %1. Switch the live tuning to the other slot</source>
        <translation>当前: %1。将当前音效切换到另一槽</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Load Machine Preset</source>
        <translation>加载 机器预置音效</translation>
    </message>
    <message>
        <source>Load a music file</source>
        <translation>加载音乐文件</translation>
    </message>
    <message>
        <source>Load a music file...</source>
        <translation>加载音乐文件...</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>已加密</translation>
    </message>
    <message>
        <source>Lowest frequency the fit looks at</source>
        <translation>拟合的最低频率</translation>
    </message>
    <message>
        <source>Make the chosen preset the current tuning</source>
        <translation>调用所选预置</translation>
    </message>
    <message>
        <source>Mark and list every value that differs from the chosen stored preset</source>
        <translation>标出并列出与所选机器预置不同的每个参数</translation>
    </message>
    <message>
        <source>Mark every value of the live tuning that differs from a preset file</source>
        <translation>标出当前音效与预置文件不同的每个参数</translation>
    </message>
    <message>
        <source>Measure</source>
        <translation>测量</translation>
    </message>
    <message>
        <source>Measure the car</source>
        <translation>测量车辆</translation>
    </message>
    <message>
        <source>Measure, align, fit to the target and check again, all as one undo step</source>
        <translation>测量、对齐、拟合目标并再次检查，全部作为一步</translation>
    </message>
    <message>
        <source>Measure...</source>
        <translation>测量...</translation>
    </message>
    <message>
        <source>Measured. Saved in %1</source>
        <translation>测量完成。已保存到 %1</translation>
    </message>
    <message>
        <source>Measurement file</source>
        <comment>accessible name</comment>
        <translation>Measurement file</translation>
    </message>
    <message>
        <source>Measuring again to check...</source>
        <translation>正在重新测量检查...</translation>
    </message>
    <message>
        <source>Mic calibration</source>
        <translation>麦克风校准</translation>
    </message>
    <message>
        <source>Mic positions</source>
        <translation>麦克风位置数</translation>
    </message>
    <message>
        <source>Microphone input</source>
        <translation>麦克风输入</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Mode files...</source>
        <translation>模式文件...</translation>
    </message>
    <message>
        <source>More</source>
        <translation>更多</translation>
    </message>
    <message>
        <source>Move the microphone to position %1, then press Next position.</source>
        <translation>请将麦克风移到位置 %1，然后按“下一位置”。</translation>
    </message>
    <message>
        <source>Music files...</source>
        <translation>音乐文件...</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>组名</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>组名：</translation>
    </message>
    <message>
        <source>Network connection</source>
        <translation>网络连接</translation>
    </message>
    <message>
        <source>Network...</source>
        <translation>网络...</translation>
    </message>
    <message>
        <source>Next position</source>
        <translation>下一位置</translation>
    </message>
    <message>
        <source>No band and no point of the bands&apos; sum goes above this</source>
        <translation>任何频段及其总和都不会高于此值</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>序号:</translation>
    </message>
    <message>
        <source>No. %1</source>
        <translation>第%1组</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>未连接</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>One line per differing value: channel, parameter, the table&apos;s value, the other value</source>
        <translation>每个不同参数一行：通道、参数、表中的值、对比的值</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Open a mode file</source>
        <translation>打开模式文件</translation>
    </message>
    <message>
        <source>Open a mode file...</source>
        <translation>打开模式文件...</translation>
    </message>
    <message>
        <source>Open a preset file</source>
        <translation>打开音效文件</translation>
    </message>
    <message>
        <source>Open a preset file (.qvms or .qvma) and send it to the processor</source>
        <translation>打开音效文件（.qvms 或 .qvma）并发送到设备</translation>
    </message>
    <message>
        <source>Open file...</source>
        <translation>打开文件...</translation>
    </message>
    <message>
        <source>Opening %1</source>
        <translation>打开 %1</translation>
    </message>
    <message>
        <source>Output channel: %1</source>
        <translation>输出通道: %1</translation>
    </message>
    <message>
        <source>Output to the processor</source>
        <translation>输出到处理器</translation>
    </message>
    <message>
        <source>PC Program</source>
        <translation>电脑程序</translation>
    </message>
    <message>
        <source>Parameter report...</source>
        <translation>参数报表...</translation>
    </message>
    <message>
        <source>Parameter table</source>
        <translation>参数表</translation>
    </message>
    <message>
        <source>Per channel: arrival time, distance, proposed delay and errors</source>
        <translation>各通道：到达时间、距离、建议延时和误差</translation>
    </message>
    <message>
        <source>Play a short, quiet test tone and check the microphone&apos;s level before any sweep</source>
        <translation>播放一段短而轻的测试音，在扫频前检查麦克风电平</translation>
    </message>
    <message>
        <source>Playing %1, position %2 of %3</source>
        <translation>正在播放 %1，位置 %2 / %3</translation>
    </message>
    <message>
        <source>Playing a quiet test tone...</source>
        <translation>正在播放轻柔的测试音...</translation>
    </message>
    <message>
        <source>Please enter a file name</source>
        <translation>请输入文件名称</translation>
    </message>
    <message>
        <source>Please enter the preset name</source>
        <translation>请输入音效名</translation>
    </message>
    <message>
        <source>Please select upgrade file!</source>
        <translation>请选择升级文件！</translation>
    </message>
    <message>
        <source>Preset name</source>
        <translation>预置名称</translation>
    </message>
    <message>
        <source>Preset name</source>
        <comment>field label</comment>
        <translation>音效名</translation>
    </message>
    <message>
        <source>Presets in the processor</source>
        <comment>preset list</comment>
        <translation>设备中的预置</translation>
    </message>
    <message>
        <source>Presets in the processor</source>
        <comment>preset strip</comment>
        <translation>设备中的预置音效</translation>
    </message>
    <message>
        <source>Presets in the processor...</source>
        <translation>设备中的音效...</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>Preview</source>
        <comment>accessible name</comment>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Print the table, or save it as a PDF file, through the print dialog</source>
        <translation>通过打印对话框打印参数表，或保存为 PDF 文件</translation>
    </message>
    <message>
        <source>Processor connected</source>
        <translation>设备已连接</translation>
    </message>
    <message>
        <source>Program: %1</source>
        <translation>程序: %1</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>Prompted</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Proposed delay</source>
        <translation>建议延时</translation>
    </message>
    <message>
        <source>Protect or unlock...</source>
        <translation>加密或解锁...</translation>
    </message>
    <message>
        <source>Protect the tuning</source>
        <translation>加密音效</translation>
    </message>
    <message>
        <source>Protect the tuning with this password</source>
        <translation>用此密码加密音效</translation>
    </message>
    <message>
        <source>Read every preset of the processor and save them all in one file (.qvma)</source>
        <translation>读取设备中的全部预置，并保存到一个文件（.qvma）</translation>
    </message>
    <message>
        <source>Read the chosen kind of file from the PC</source>
        <translation>从电脑读取所选类型的文件</translation>
    </message>
    <message>
        <source>Reading the processor</source>
        <translation>正在读取设备</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>原因</translation>
    </message>
    <message>
        <source>Recall</source>
        <translation>调用</translation>
    </message>
    <message>
        <source>Recall all data from PC</source>
        <translation>从电脑调用所有组数据</translation>
    </message>
    <message>
        <source>Recall all presets from a file</source>
        <translation>从文件调用所有音效</translation>
    </message>
    <message>
        <source>Recall data from PC</source>
        <translation>从电脑调用单组数据</translation>
    </message>
    <message>
        <source>Recall from the PC</source>
        <translation>从电脑调用</translation>
    </message>
    <message>
        <source>Remove the protection with this password</source>
        <translation>用此密码解除加密</translation>
    </message>
    <message>
        <source>Replace the live tuning by this snapshot? A copy of the live tuning is kept first.</source>
        <translation>用此快照替换当前音效吗？会先保存当前音效的副本。</translation>
    </message>
    <message>
        <source>Replace the protected tuning of all six outputs with the default output settings?</source>
        <translation>是否用默认输出设置替换六个输出通道的加密音效?</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>参数值显示</translation>
    </message>
    <message>
        <source>Report: %1</source>
        <translation>参数值显示: %1</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>恢复</translation>
    </message>
    <message>
        <source>Restore factory settings,Yes or No?</source>
        <translation>是否恢复出厂设置?</translation>
    </message>
    <message>
        <source>Restoring the complete snapshot of %1</source>
        <translation>恢复 %1 的完整快照</translation>
    </message>
    <message>
        <source>Result</source>
        <comment>accessible name</comment>
        <translation>Result</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save As Machine Preset</source>
        <translation>另存为 机器预置音效</translation>
    </message>
    <message>
        <source>Save a mode file</source>
        <translation>保存模式文件</translation>
    </message>
    <message>
        <source>Save a mode file...</source>
        <translation>保存模式文件...</translation>
    </message>
    <message>
        <source>Save all presets</source>
        <translation>保存所有音效</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>另存为...</translation>
    </message>
    <message>
        <source>Save the chosen stored preset of the complete file shown as a single preset file (.qvms)</source>
        <translation>将显示中整机文件的所选预置另存为单个预置文件 (.qvms)</translation>
    </message>
    <message>
        <source>Save the current tuning</source>
        <translation>保存当前音效</translation>
    </message>
    <message>
        <source>Save the current tuning as a single preset file (.qvms)</source>
        <translation>将当前音效保存为单个音效文件（.qvms）</translation>
    </message>
    <message>
        <source>Save the stored preset as</source>
        <translation>预置另存为</translation>
    </message>
    <message>
        <source>Save the table as a CSV file beside the workbook</source>
        <translation>将参数表保存为 CSV 文件</translation>
    </message>
    <message>
        <source>Save the table as a PDF file of A4 pages</source>
        <translation>将参数表保存为 A4 页面的 PDF 文件</translation>
    </message>
    <message>
        <source>Save the table as an Excel workbook (.xlsx)</source>
        <translation>将参数表保存为 Excel 工作簿 (.xlsx)</translation>
    </message>
    <message>
        <source>Save under the typed name in the DataFile folder</source>
        <translation>以输入的名称保存到 DataFile 文件夹</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>已保存 %1</translation>
    </message>
    <message>
        <source>Saved in the DataFile folder under this name</source>
        <translation>以此名称保存在 DataFile 文件夹中</translation>
    </message>
    <message>
        <source>Scroll through the 15 presets</source>
        <translation>滚动查看 15 个预置</translation>
    </message>
    <message>
        <source>Seconds of each sweep: longer sweeps stand further above the noise</source>
        <translation>每次扫频的秒数：扫频越长，越能高出噪声</translation>
    </message>
    <message>
        <source>Send the previewed result to the channel as one step</source>
        <translation>把预览的结果作为一步发送到该通道</translation>
    </message>
    <message>
        <source>Serial connection</source>
        <translation>串口连接</translation>
    </message>
    <message>
        <source>Serial port name:</source>
        <translation>串口名称：</translation>
    </message>
    <message>
        <source>Serial port...</source>
        <translation>串口...</translation>
    </message>
    <message>
        <source>Set the proposed delays as one undo step, then measure again to check</source>
        <translation>将建议延时作为一步应用，然后重新测量检查</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Show a saved measurement</source>
        <translation>显示已保存的测量</translation>
    </message>
    <message>
        <source>Show a saved measurement on the graph with its channel</source>
        <translation>在曲线图上与其通道一起显示已保存的测量</translation>
    </message>
    <message>
        <source>Show file...</source>
        <translation>显示文件...</translation>
    </message>
    <message>
        <source>Show saved...</source>
        <translation>显示已保存...</translation>
    </message>
    <message>
        <source>Show the table of a preset file instead of the live tuning (no processor needed)</source>
        <translation>显示预置文件的参数表，而非当前音效（无需连接机器）</translation>
    </message>
    <message>
        <source>Six characters; they are not shown as you type</source>
        <translation>六个字符；输入时不显示</translation>
    </message>
    <message>
        <source>Smoothing</source>
        <comment>accessible name</comment>
        <translation>Smoothing</translation>
    </message>
    <message>
        <source>Smoothing (1/N octave)</source>
        <translation>平滑 (1/N 倍频程)</translation>
    </message>
    <message>
        <source>Smooths the measurement over 1/N octave before the fit; 0 leaves it as measured</source>
        <translation>拟合前按 1/N 倍频程平滑测量曲线；0 表示不平滑</translation>
    </message>
    <message>
        <source>Snapshots</source>
        <translation>快照</translation>
    </message>
    <message>
        <source>Snapshots...</source>
        <translation>快照...</translation>
    </message>
    <message>
        <source>Software version: %1</source>
        <translation>软件版本: %1</translation>
    </message>
    <message>
        <source>Status</source>
        <comment>accessible name</comment>
        <translation>Status</translation>
    </message>
    <message>
        <source>Stop after the current sweep; the mutes are put back, nothing changes</source>
        <translation>当前扫频后停止；恢复静音状态，不做任何更改</translation>
    </message>
    <message>
        <source>Stopped; the mutes are as they were and nothing was changed.</source>
        <translation>已停止；静音状态已恢复，未做任何更改。</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>存储</translation>
    </message>
    <message>
        <source>Store a music file</source>
        <translation>存储音乐文件</translation>
    </message>
    <message>
        <source>Store a music file...</source>
        <translation>存储音乐文件...</translation>
    </message>
    <message>
        <source>Store all data to PC</source>
        <translation>存储所有组数据到电脑</translation>
    </message>
    <message>
        <source>Store data to PC</source>
        <translation>存储单组数据到电脑</translation>
    </message>
    <message>
        <source>Store the current tuning as the chosen preset under this name</source>
        <translation>以此名称将当前音效存储为所选预置</translation>
    </message>
    <message>
        <source>Store the preset under this name</source>
        <translation>以此名称存储预置</translation>
    </message>
    <message>
        <source>Store to the PC</source>
        <translation>存储到电脑</translation>
    </message>
    <message>
        <source>Stored preset</source>
        <translation>机器预置</translation>
    </message>
    <message>
        <source>Sweep every output alone and measure its response and arrival time</source>
        <translation>逐个单独扫频每个输出，测量其响应和到达时间</translation>
    </message>
    <message>
        <source>Sweep length (s)</source>
        <translation>扫频时长 (秒)</translation>
    </message>
    <message>
        <source>Sweeps done of all sweeps of the run</source>
        <translation>本次已完成的扫频数</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>系统默认</translation>
    </message>
    <message>
        <source>Take the measurement off the graph</source>
        <translation>从曲线图上移除测量曲线</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>目标</translation>
    </message>
    <message>
        <source>Target</source>
        <comment>accessible name</comment>
        <translation>Target</translation>
    </message>
    <message>
        <source>Target file</source>
        <comment>accessible name</comment>
        <translation>Target file</translation>
    </message>
    <message>
        <source>Test level</source>
        <translation>测试电平</translation>
    </message>
    <message>
        <source>The curve Apply EQ and Calibrate all fit every channel to</source>
        <translation>应用均衡和全部校准时各通道拟合的曲线</translation>
    </message>
    <message>
        <source>The curve the channel should follow</source>
        <translation>通道应当达到的曲线</translation>
    </message>
    <message>
        <source>The file&apos;s preamp of %1 dB is not applied.</source>
        <translation>文件的前置增益 %1 dB 不会被应用。</translation>
    </message>
    <message>
        <source>The file&apos;s tuning is protected: its values are not shown.</source>
        <translation>文件中的音效已加密：不显示其参数。</translation>
    </message>
    <message>
        <source>The lock keeps the tuning read-only in this program. It is not encryption: anyone who wants to can recover the tuning and its password from the processor&apos;s answers, from protected music files, from safety copies and from traces.</source>
        <translation>加密只是让本程序中的音效变为只读，并不是真正的加密：任何人都可以从处理器的应答、加密的音乐文件、安全副本和通信记录中恢复音效及其密码。</translation>
    </message>
    <message>
        <source>The microphone is at its next position: measure on</source>
        <translation>麦克风已在下一位置：继续测量</translation>
    </message>
    <message>
        <source>The microphone&apos;s calibration file (frequency, dB); leave empty for none</source>
        <translation>麦克风校准文件（频率、dB）；留空则不校准</translation>
    </message>
    <message>
        <source>The microphone&apos;s peak level expected for the sweep, in dBFS</source>
        <translation>扫频时麦克风的预计峰值电平 (dBFS)</translation>
    </message>
    <message>
        <source>The preset cannot be extracted!</source>
        <translation>预置提取失败!</translation>
    </message>
    <message>
        <source>The processor is still busy with a transfer; try again when it ends.</source>
        <translation>处理器正在传输数据，请在传输结束后再试。</translation>
    </message>
    <message>
        <source>The processor restarts with its new firmware. Connect to it again now?</source>
        <translation>处理器将以新固件重新启动。现在重新连接吗？</translation>
    </message>
    <message>
        <source>The processor runs version %1.</source>
        <translation>处理器当前版本：%1.</translation>
    </message>
    <message>
        <source>The processor&apos;s mute state could not be put back: check the mutes.</source>
        <translation>无法恢复处理器的静音状态：请检查静音设置。</translation>
    </message>
    <message>
        <source>The processor&apos;s network address; the port is 8989 unless given</source>
        <translation>设备的网络地址；未写端口时为 8989</translation>
    </message>
    <message>
        <source>The processor&apos;s version is not known: it is not connected.</source>
        <translation>处理器版本未知：未连接。</translation>
    </message>
    <message>
        <source>The safety copy of the tuning (%1) could not be written: %2
Go on without it? The tuning in the processor cannot be brought back then.</source>
        <translation>无法写入音效的安全副本（%1）：%2
不保存副本继续吗？之后将无法恢复处理器中的音效。</translation>
    </message>
    <message>
        <source>The same six characters once more</source>
        <translation>再次输入相同的6位密码</translation>
    </message>
    <message>
        <source>The serial port the processor is on, such as COM3 or /dev/ttyUSB0</source>
        <translation>设备所在的串口，例如 COM3 或 /dev/ttyUSB0</translation>
    </message>
    <message>
        <source>The sound card input the measuring microphone is on</source>
        <translation>测量麦克风所接的声卡输入</translation>
    </message>
    <message>
        <source>The sound card output wired to the processor&apos;s input</source>
        <translation>连接到处理器输入的声卡输出</translation>
    </message>
    <message>
        <source>The start of every channel&apos;s impulse response with its arrival mark</source>
        <translation>各通道脉冲响应的开头及其到达标记</translation>
    </message>
    <message>
        <source>The stored preset could not be read.</source>
        <translation>无法读取机器预置。</translation>
    </message>
    <message>
        <source>The table cannot be exported!</source>
        <translation>参数表导出失败!</translation>
    </message>
    <message>
        <source>The tuning is open: protect it with a six-character password</source>
        <translation>音效未加密：可用六位密码加密</translation>
    </message>
    <message>
        <source>The tuning is protected and read-only: enter the password to edit it</source>
        <translation>音效已加密且只读：输入密码后可编辑</translation>
    </message>
    <message>
        <source>The tuning is protected: unlock it first.</source>
        <translation>调音已保护：请先解锁。</translation>
    </message>
    <message>
        <source>The two passwords differ: nothing was changed. Type the same password twice.</source>
        <translation>两次输入的密码不一致：未作任何更改。请两次输入相同的密码。</translation>
    </message>
    <message>
        <source>The update did not finish.</source>
        <translation>更新未完成。</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Tuning to compare with</source>
        <translation>要对比的音效文件</translation>
    </message>
    <message>
        <source>Tuning to show</source>
        <translation>要显示的音效文件</translation>
    </message>
    <message>
        <source>Undo history cleared: the processor&apos;s tuning was read</source>
        <translation>撤销记录已清除：已读取处理器音效</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>单位</translation>
    </message>
    <message>
        <source>Unit of the distances</source>
        <translation>距离的单位</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Unlock the tuning</source>
        <translation>解锁音效</translation>
    </message>
    <message>
        <source>Unlocked</source>
        <translation>未加密</translation>
    </message>
    <message>
        <source>Up and Down choose a preset</source>
        <translation>上下键选择预置</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Update the processor&apos;s firmware from %1?</source>
        <translation>用以下文件更新处理器固件：%1?</translation>
    </message>
    <message>
        <source>Updating the firmware</source>
        <translation>正在更新固件</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>升级</translation>
    </message>
    <message>
        <source>Without this, a filter the processor cannot take refuses the whole import</source>
        <translation>不选时，只要有一个设备无法保存的滤波器，整个导入就会被拒绝</translation>
    </message>
    <message>
        <source>Working...</source>
        <translation>正在计算...</translation>
    </message>
    <message>
        <source>Write the chosen kind of file to the PC</source>
        <translation>将所选类型的文件写入电脑</translation>
    </message>
    <message>
        <source>cm</source>
        <translation>厘米</translation>
    </message>
    <message>
        <source>in</source>
        <translation>英寸</translation>
    </message>
    <message>
        <source>preset %1</source>
        <translation>预置 %1</translation>
    </message>
    <message>
        <source>reset</source>
        <translation>清除数据</translation>
    </message>
    <message>
        <source>→A</source>
        <translation>存A</translation>
    </message>
    <message>
        <source>→B</source>
        <translation>存B</translation>
    </message>
</context>
</TS>
