<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>AppTitle</name>
    <message>
        <source>DotSign LED 显示屏编辑系统</source>
        <translation>DotSign LED Sign Editor</translation>
    </message>
</context>
<context>
    <name>ClockPanel</name>
    <message>
        <source>左对齐</source>
        <translation>Align left</translation>
    </message>
    <message>
        <source>水平居中</source>
        <translation>Centre horizontally</translation>
    </message>
    <message>
        <source>右对齐</source>
        <translation>Align right</translation>
    </message>
    <message>
        <source>顶端对齐</source>
        <translation>Align top</translation>
    </message>
    <message>
        <source>垂直居中</source>
        <translation>Centre vertically</translation>
    </message>
    <message>
        <source>底端对齐</source>
        <translation>Align bottom</translation>
    </message>
    <message>
        <source>年</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>月</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>日</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>星期</source>
        <translation>Weekday</translation>
    </message>
    <message>
        <source>时</source>
        <translation>Hour</translation>
    </message>
    <message>
        <source>分</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>Second</translation>
    </message>
</context>
<context>
    <name>DeviceContext</name>
    <message>
        <source>星期日</source>
        <translation>Sunday</translation>
    </message>
    <message>
        <source>星期一</source>
        <translation>Monday</translation>
    </message>
    <message>
        <source>星期二</source>
        <translation>Tuesday</translation>
    </message>
    <message>
        <source>星期三</source>
        <translation>Wednesday</translation>
    </message>
    <message>
        <source>星期四</source>
        <translation>Thursday</translation>
    </message>
    <message>
        <source>星期五</source>
        <translation>Friday</translation>
    </message>
    <message>
        <source>星期六</source>
        <translation>Saturday</translation>
    </message>
</context>
<context>
    <name>DeviceWiring</name>
    <message>
        <source>A类卡不支持这个功能，只有B类卡和C类卡支持。</source>
        <translation>Class A cards do not support this function; only class B and C cards do.</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>不是RTF文件。</source>
        <translation>Not an RTF file.</translation>
    </message>
    <message>
        <source>RTF文件的嵌套层次太深，只读出了其中的一部分。</source>
        <translation>The RTF file is nested too deeply; only part of it was read.</translation>
    </message>
    <message>
        <source>文档文件已损坏，只读出了其中的一部分。</source>
        <translation>The document file is damaged; only part of it was read.</translation>
    </message>
    <message>
        <source>不是图文文档文件。</source>
        <translation>Not a graphic text document file.</translation>
    </message>
    <message>
        <source>文档文件的版本 %1 比本程序新，请升级程序。</source>
        <translation>The document file is version %1, newer than this program. Please upgrade the program.</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>文件读错误。</source>
        <translation>File read error.</translation>
    </message>
</context>
<context>
    <name>Effects</name>
    <message>
        <source>立即显示向左移动</source>
        <translation>Show at once, move left</translation>
    </message>
    <message>
        <source>立即显示向右移动</source>
        <translation>Show at once, move right</translation>
    </message>
    <message>
        <source>立即显示向上移动</source>
        <translation>Show at once, move up</translation>
    </message>
    <message>
        <source>立即显示向下移动</source>
        <translation>Show at once, move down</translation>
    </message>
    <message>
        <source>翻页</source>
        <translation>Page turn</translation>
    </message>
    <message>
        <source>从右向左移动</source>
        <translation>Move from right to left</translation>
    </message>
    <message>
        <source>从左向右移动</source>
        <translation>Move from left to right</translation>
    </message>
    <message>
        <source>从下向上移动</source>
        <translation>Move from bottom to top</translation>
    </message>
    <message>
        <source>从上向下移动</source>
        <translation>Move from top to bottom</translation>
    </message>
    <message>
        <source>从上到下卷入</source>
        <translation>Roll in from top</translation>
    </message>
    <message>
        <source>从下到上卷入</source>
        <translation>Roll in from bottom</translation>
    </message>
    <message>
        <source>左卷帘</source>
        <translation>Blind from left</translation>
    </message>
    <message>
        <source>右卷帘</source>
        <translation>Blind from right</translation>
    </message>
    <message>
        <source>随机</source>
        <translation>Random</translation>
    </message>
</context>
<context>
    <name>FileAccess</name>
    <message>
        <source>无法写入文件 %1：%2</source>
        <translation>Cannot write the file %1: %2</translation>
    </message>
    <message>
        <source>无法读取文件 %1：%2</source>
        <translation>Cannot read the file %1: %2</translation>
    </message>
    <message>
        <source>无法复制示例项目文件 %1。</source>
        <translation>Cannot copy the sample project file %1.</translation>
    </message>
    <message>
        <source>无法创建项目文件夹 %1。</source>
        <translation>Cannot create the project folder %1.</translation>
    </message>
    <message>
        <source>无法创建文件夹 %1：同名文件已存在。</source>
        <translation>Cannot create the folder %1: a file of that name already exists.</translation>
    </message>
    <message>
        <source>无法创建文件夹 %1。</source>
        <translation>Cannot create the folder %1.</translation>
    </message>
    <message>
        <source>无法写入文件 %1。</source>
        <translation>Cannot write the file %1.</translation>
    </message>
    <message>
        <source>无法读取文件 %1</source>
        <translation>Cannot read the file %1</translation>
    </message>
    <message>
        <source>无法写入文件夹 %1。</source>
        <translation>Cannot write to the folder %1.</translation>
    </message>
</context>
<context>
    <name>Icons</name>
    <message>
        <source>时</source>
        <translation>C</translation>
    </message>
    <message>
        <source>图</source>
        <translation>G</translation>
    </message>
    <message>
        <source>屏</source>
        <translation>S</translation>
    </message>
    <message>
        <source>节</source>
        <translation>P</translation>
    </message>
    <message>
        <source>文</source>
        <translation>T</translation>
    </message>
    <message>
        <source>新</source>
        <translation>N</translation>
    </message>
    <message>
        <source>开</source>
        <comment>open</comment>
        <translation>O</translation>
    </message>
    <message>
        <source>存</source>
        <translation>S</translation>
    </message>
    <message>
        <source>另</source>
        <translation>SA</translation>
    </message>
    <message>
        <source>硬</source>
        <translation>HW</translation>
    </message>
    <message>
        <source>框</source>
        <translation>B</translation>
    </message>
    <message>
        <source>亮</source>
        <translation>Br</translation>
    </message>
    <message>
        <source>定</source>
        <translation>Ti</translation>
    </message>
    <message>
        <source>发</source>
        <translation>Tx</translation>
    </message>
    <message>
        <source>校</source>
        <translation>CK</translation>
    </message>
    <message>
        <source>开</source>
        <comment>power on</comment>
        <translation>I</translation>
    </message>
    <message>
        <source>关</source>
        <translation>O</translation>
    </message>
    <message>
        <source>停</source>
        <translation>II</translation>
    </message>
    <message>
        <source>续</source>
        <translation>R</translation>
    </message>
    <message>
        <source>查</source>
        <translation>F</translation>
    </message>
    <message>
        <source>退</source>
        <translation>X</translation>
    </message>
</context>
<context>
    <name>LedLists</name>
    <message>
        <source>单字%1个LED灯大小</source>
        <translation>%1 LEDs a character</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>可能没有连接到控制卡或通讯线接触不好，请检查一下后重新操作。</source>
        <translation>The controller card may not be connected, or the cable may have a loose contact. Please check it and try again.</translation>
    </message>
    <message>
        <source>串口数据发送失败。</source>
        <translation>Sending data over the serial port failed.</translation>
    </message>
    <message>
        <source>信息提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>通讯连接正常。</source>
        <translation>The link works.</translation>
    </message>
    <message>
        <source>A类卡请查看显示屏上是不是显示《通讯测试》,如果是通讯正常。</source>
        <translation>Class A card: check whether the sign shows 《通讯测试》. If it does, the link works.</translation>
    </message>
    <message>
        <source>通讯测试,通讯正常。</source>
        <translation>Link test: the link works.</translation>
    </message>
</context>
<context>
    <name>MainWindowCommands</name>
    <message>
        <source>新建</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Save &amp;As</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>添加节目</source>
        <translation>&amp;Add program</translation>
    </message>
    <message>
        <source>删除节目</source>
        <translation>&amp;Delete program</translation>
    </message>
    <message>
        <source>硬件配置</source>
        <translation>&amp;Hardware settings</translation>
    </message>
    <message>
        <source>亮度设置</source>
        <translation>&amp;Brightness</translation>
    </message>
    <message>
        <source>定时开关机设置</source>
        <translation>Scheduled &amp;on/off</translation>
    </message>
    <message>
        <source>发送节目</source>
        <translation>&amp;Send programs</translation>
    </message>
    <message>
        <source>校准时间</source>
        <translation>Set &amp;clock</translation>
    </message>
    <message>
        <source>强制开机</source>
        <translation>Force power o&amp;n</translation>
    </message>
    <message>
        <source>强制关机</source>
        <translation>Force power o&amp;ff</translation>
    </message>
    <message>
        <source>暂停显示</source>
        <translation>&amp;Pause display</translation>
    </message>
    <message>
        <source>继续显示</source>
        <translation>&amp;Resume display</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>简介</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>新建一个显示工程</source>
        <translation>Create a new project</translation>
    </message>
    <message>
        <source>打开一个显示工程</source>
        <translation>Open a project</translation>
    </message>
    <message>
        <source>保存一个显示工程</source>
        <translation>Save the project</translation>
    </message>
    <message>
        <source>另存为一个显示工程</source>
        <translation>Save the project under another name</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>添加一个节目</source>
        <translation>Add a program</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>删除当前选择的节目</source>
        <translation>Delete the selected program</translation>
    </message>
    <message>
        <source>显示屏硬件设置</source>
        <translation>Hardware settings of the sign</translation>
    </message>
    <message>
        <source>流水边框</source>
        <translation>Border</translation>
    </message>
    <message>
        <source>调亮度</source>
        <translation>Brightness</translation>
    </message>
    <message>
        <source>显示屏亮度设置</source>
        <translation>Brightness settings of the sign</translation>
    </message>
    <message>
        <source>定时关机</source>
        <translation>On/Off</translation>
    </message>
    <message>
        <source>显示屏定时开关机时间设置</source>
        <translation>Scheduled on/off times of the sign</translation>
    </message>
    <message>
        <source>发送</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>发送工程内的节目信息</source>
        <translation>Send the programs of the project</translation>
    </message>
    <message>
        <source>保存到U盘</source>
        <translation>USB disk</translation>
    </message>
    <message>
        <source>通过U盘把数据导入显示屏</source>
        <translation>Save the data to a USB disk to load it into the sign</translation>
    </message>
    <message>
        <source>校时</source>
        <translation>Set clock</translation>
    </message>
    <message>
        <source>校准显示屏时间</source>
        <translation>Set the clock of the sign</translation>
    </message>
    <message>
        <source>开机</source>
        <translation>Power on</translation>
    </message>
    <message>
        <source>强制开启显示屏</source>
        <translation>Force the sign on</translation>
    </message>
    <message>
        <source>关机</source>
        <translation>Power off</translation>
    </message>
    <message>
        <source>强制关闭显示屏</source>
        <translation>Force the sign off</translation>
    </message>
    <message>
        <source>暂停显示屏信息显示</source>
        <translation>Pause what the sign shows</translation>
    </message>
    <message>
        <source>继续暂停显示屏信息显示</source>
        <translation>Resume what the sign shows</translation>
    </message>
    <message>
        <source>查找显示屏</source>
        <translation>Find sign</translation>
    </message>
    <message>
        <source>退出软件系统</source>
        <translation>Exit the application</translation>
    </message>
</context>
<context>
    <name>Player</name>
    <message>
        <source>关机</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>无节目播放</source>
        <translation>No program playing</translation>
    </message>
    <message>
        <source>节目%1/%2</source>
        <translation>Program %1/%2</translation>
    </message>
    <message>
        <source>  分区%1  第%2/%3页  %4</source>
        <translation>  Zone %1  Page %2/%3  %4</translation>
    </message>
    <message>
        <source>（随机）</source>
        <translation> (random)</translation>
    </message>
    <message>
        <source>  暂停</source>
        <translation>  Paused</translation>
    </message>
    <message>
        <source>  亮度%1  %2</source>
        <translation>  Brightness %1  %2</translation>
    </message>
    <message>
        <source>显示屏的宽度或高度未知，无法播放。</source>
        <translation>The sign&apos;s width or height is unknown; nothing can be played.</translation>
    </message>
    <message>
        <source>节目%1的索引帧损坏，不播放。</source>
        <translation>The index frame of program %1 is damaged; it is not played.</translation>
    </message>
    <message>
        <source>节目%1的数据只有%2字节，%3帧需要%4字节；缺少的部分显示为暗。</source>
        <translation>Program %1 has only %2 bytes of data, but %3 frames need %4 bytes; the missing part is shown dark.</translation>
    </message>
</context>
<context>
    <name>Preflight</name>
    <message>
        <source>显示屏宽度 %1 不是 8 的倍数，最右边 %2 列不会发送到显示屏。</source>
        <translation>The sign width %1 is not a multiple of 8; the rightmost %2 columns are not sent to the sign.</translation>
    </message>
    <message>
        <source>项目文件夹中没有 ExtFile 文件夹，分区图片将在发送时创建。</source>
        <translation>The project folder has no ExtFile folder; the zone pictures will be created when sending.</translation>
    </message>
    <message>
        <source>%1的起播或停播日期“%2”/“%3”不是有效的日期，发送会失败。</source>
        <translation>The start or end date “%2”/“%3” of %1 is not a valid date; sending will fail.</translation>
    </message>
    <message>
        <source>%1的停播日期 %2 早于起播日期 %3，定时播放时该节目不会播放。</source>
        <translation>The end date %2 of %1 is before its start date %3; with scheduled play the program never plays.</translation>
    </message>
    <message>
        <source>%1的第 %2 个时段“%3-%4”不是有效的时间，发送会失败。</source>
        <translation>Time period %2 “%3-%4” of %1 is not a valid time; sending will fail.</translation>
    </message>
    <message>
        <source>%1的第 %2 个时段结束时间 %3 早于开始时间 %4。</source>
        <translation>Time period %2 of %1 ends at %3, before it starts at %4.</translation>
    </message>
    <message>
        <source>%1 分区%2</source>
        <translation>%1 zone %2</translation>
    </message>
    <message>
        <source>%1的宽度或高度为 0（%2×%3），无法发送。</source>
        <translation>The width or height of %1 is 0 (%2×%3); it cannot be sent.</translation>
    </message>
    <message>
        <source>%1（%2,%3 %4×%5）超出了显示屏范围 %6×%7。</source>
        <translation>%1 (%2,%3 %4×%5) lies outside the sign area %6×%7.</translation>
    </message>
    <message>
        <source>%1的文本文件 %2 不存在，发送后该分区不显示。请先保存项目。</source>
        <translation>The text file %2 of %1 does not exist; the zone shows nothing after sending. Please save the project first.</translation>
    </message>
    <message>
        <source>%1的内容文件“%2”不存在，发送后该分区不显示。</source>
        <translation>The content file “%2” of %1 does not exist; the zone shows nothing after sending.</translation>
    </message>
    <message>
        <source>%1的文件“%2”不是 .txt 文件，发送时该分区为空。</source>
        <translation>The file “%2” of %1 is not a .txt file; the zone is sent empty.</translation>
    </message>
    <message>
        <source>%1没有文字。</source>
        <translation>%1 has no text.</translation>
    </message>
    <message>
        <source>%1中的字符“%2”无法发送到控制卡，会显示为“?”。</source>
        <translation>The characters “%2” in %1 cannot be sent to the controller card and will show as “?”.</translation>
    </message>
    <message>
        <source>%1的分区%2与分区%3重叠，重叠部分显示分区%3的内容。</source>
        <translation>In %1, zone %2 overlaps zone %3; the overlap shows the content of zone %3.</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>%1：%2 超出部分不会发送。</source>
        <translation>%1: %2 The part beyond is not sent.</translation>
    </message>
    <message>
        <source>%1的文字太长，超出 %2 行的部分不会发送。</source>
        <translation>The text of %1 is too long; the part beyond line %2 is not sent.</translation>
    </message>
    <message>
        <source>%1的字高 %2 点大于分区（%3×%4），文字显示不全。</source>
        <translation>The character height of %1, %2 dots, is larger than the zone (%3×%4); the text is not shown in full.</translation>
    </message>
    <message>
        <source>全部节目共 %1 字节，超过了控制卡的存储容量 %2 字节，后面的节目可能无法保存。</source>
        <translation>All programs together take %1 bytes, more than the controller card&apos;s storage of %2 bytes; the last programs may not be stored.</translation>
    </message>
</context>
<context>
    <name>ProgramRules</name>
    <message>
        <source>节目%1</source>
        <translation>Program %1</translation>
    </message>
    <message>
        <source>分区%1</source>
        <translation>Zone %1</translation>
    </message>
    <message>
        <source>显示屏-%1</source>
        <translation>Sign-%1</translation>
    </message>
    <message>
        <source>1(最快档)</source>
        <translation>1 (fastest)</translation>
    </message>
    <message>
        <source>40(最慢档)</source>
        <translation>40 (slowest)</translation>
    </message>
</context>
<context>
    <name>ProjectCommands</name>
    <message>
        <source>保存成功!</source>
        <translation>Saved.</translation>
    </message>
</context>
<context>
    <name>ProjectFile</name>
    <message>
        <source>项目文件 %1 已损坏：[%2] 中的“%3”的值“%4”不是有效的整数。项目没有完全打开。</source>
        <translation>The project file %1 is damaged: the value “%4” of “%3” in [%2] is not a valid integer. The project was not opened completely.</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>显示屏大小:%1*%2</source>
        <translation>Sign size: %1*%2</translation>
    </message>
    <message>
        <source>注册用户:%1</source>
        <translation>Registered user: %1</translation>
    </message>
    <message>
        <source>项目文件中的节目数 %1 超过了最大节目数 %2，只打开前 %2 个节目。</source>
        <translation>The project file has %1 programs, more than the maximum of %2; only the first %2 programs are opened.</translation>
    </message>
</context>
<context>
    <name>ScreenSettings</name>
    <message>
        <source>户内屏</source>
        <translation>Indoor</translation>
    </message>
    <message>
        <source>P16单元板</source>
        <translation>P16 unit board</translation>
    </message>
    <message>
        <source>P10单元板</source>
        <translation>P10 unit board</translation>
    </message>
    <message>
        <source>单色</source>
        <translation>Single colour</translation>
    </message>
    <message>
        <source>双色</source>
        <translation>Red/green</translation>
    </message>
    <message>
        <source>全彩</source>
        <translation>Full colour</translation>
    </message>
    <message>
        <source>本地串口通讯</source>
        <translation>Local serial port</translation>
    </message>
    <message>
        <source>TCP通讯</source>
        <translation>TCP link</translation>
    </message>
</context>
<context>
    <name>SendEstimate</name>
    <message>
        <source>%1秒</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1分%2秒</source>
        <translation>%1 min %2 s</translation>
    </message>
</context>
<context>
    <name>TimerDialog</name>
    <message>
        <source>%1年%2月%3日%4点%5分%6秒%7</source>
        <translation>%1-%2-%3 %4 h %5 min %6 s %7</translation>
    </message>
</context>
<context>
    <name>UsbExport</name>
    <message>
        <source>数据没有导入成功。</source>
        <translation>The data was not saved to the USB disk.</translation>
    </message>
    <message>
        <source>无法创建文件夹 %1</source>
        <translation>Cannot create the folder %1</translation>
    </message>
    <message>
        <source>文件夹 %1 是指向别处的链接。</source>
        <translation>The folder %1 is a link to somewhere else.</translation>
    </message>
    <message>
        <source>%1的最后一个分区高度为 0。</source>
        <translation>The last zone of %1 has height 0.</translation>
    </message>
</context>
<context>
    <name>VirtualSign</name>
    <message>
        <source>虚拟显示屏</source>
        <translation>Virtual sign</translation>
    </message>
</context>
<context>
    <name>VirtualSignWiring</name>
    <message>
        <source>在屏幕上播放控制卡将要显示的内容</source>
        <translation>Play on screen what the controller card is going to show</translation>
    </message>
</context>
<context>
    <name>ZoneRender</name>
    <message>
        <source>节目 %1 没有分区 %2。</source>
        <translation>Program %1 has no zone %2.</translation>
    </message>
    <message>
        <source>文件大小超出了该节目的编辑区域。</source>
        <translation>The file size exceeds the editing area of this program.</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>dotsign::ClockPanel</name>
    <message>
        <source>时钟信息的左起始坐标</source>
        <translation>Left start position of the clock</translation>
    </message>
    <message>
        <source>时钟信息的上起始坐标</source>
        <translation>Top start position of the clock</translation>
    </message>
    <message>
        <source>信息行的象数点</source>
        <translation>Pixels between the lines</translation>
    </message>
    <message>
        <source>左起点(X):</source>
        <translation>Left (X):</translation>
    </message>
    <message>
        <source>上起点(Y):</source>
        <translation>Top (Y):</translation>
    </message>
    <message>
        <source>行间距</source>
        <translation>Line spacing</translation>
    </message>
    <message>
        <source>日期格式</source>
        <translation>Date format</translation>
    </message>
    <message>
        <source>年份风格</source>
        <translation>Year style</translation>
    </message>
    <message>
        <source>4位年</source>
        <translation>4-digit year</translation>
    </message>
    <message>
        <source>2位年</source>
        <translation>2-digit year</translation>
    </message>
    <message>
        <source>分行</source>
        <translation>Lines</translation>
    </message>
    <message>
        <source>单行</source>
        <translation>Single line</translation>
    </message>
    <message>
        <source>多行</source>
        <translation>Multi-line</translation>
    </message>
    <message>
        <source>显示风格</source>
        <translation>Display style</translation>
    </message>
    <message>
        <source>时间风格</source>
        <translation>Time style</translation>
    </message>
    <message>
        <source>固定文字</source>
        <translation>Fixed text</translation>
    </message>
    <message>
        <source>细字体</source>
        <translation>Thin font</translation>
    </message>
    <message>
        <source>粗字体</source>
        <translation>Bold font</translation>
    </message>
    <message>
        <source>单字12个LED灯大小</source>
        <translation>12 LEDs a character</translation>
    </message>
    <message>
        <source>单字16个LED灯大小</source>
        <translation>16 LEDs a character</translation>
    </message>
    <message>
        <source>单字32个LED灯大小</source>
        <translation>32 LEDs a character</translation>
    </message>
    <message>
        <source>字体颜色</source>
        <translation>Text colour</translation>
    </message>
    <message>
        <source>背景颜色</source>
        <translation>Background colour</translation>
    </message>
</context>
<context>
    <name>dotsign::CoordinateGroup</name>
    <message>
        <source>分区坐标</source>
        <translation>Zone position</translation>
    </message>
    <message>
        <source>起点X</source>
        <translation>Start X</translation>
    </message>
    <message>
        <source>起点Y</source>
        <translation>Start Y</translation>
    </message>
    <message>
        <source>高度</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>宽度</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>选择LED信息分辨率点阵行数</source>
        <translation>Number of LED rows of the zone</translation>
    </message>
</context>
<context>
    <name>dotsign::FindReplaceDialog</name>
    <message>
        <source>查找和替换</source>
        <translation>Find and Replace</translation>
    </message>
    <message>
        <source>查找内容(&amp;N):</source>
        <translation>Fi&amp;nd what:</translation>
    </message>
    <message>
        <source>替换为(&amp;P):</source>
        <translation>Re&amp;place with:</translation>
    </message>
    <message>
        <source>区分大小写(&amp;C)</source>
        <translation>Match &amp;case</translation>
    </message>
    <message>
        <source>全字匹配(&amp;W)</source>
        <translation>&amp;Whole words only</translation>
    </message>
    <message>
        <source>查找下一个(&amp;F)</source>
        <translation>&amp;Find Next</translation>
    </message>
    <message>
        <source>替换(&amp;R)</source>
        <translation>&amp;Replace</translation>
    </message>
    <message>
        <source>全部替换(&amp;A)</source>
        <translation>Replace &amp;All</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>找不到“%1”。</source>
        <translation>Cannot find “%1”.</translation>
    </message>
    <message>
        <source>已替换 %1 处。</source>
        <translation>%1 occurrence(s) replaced.</translation>
    </message>
</context>
<context>
    <name>dotsign::FindingsDialog</name>
    <message>
        <source>发送前检查</source>
        <translation>Check before sending</translation>
    </message>
    <message>
        <source>检查节目时发现以下问题（双击一行可转到该分区修改）：</source>
        <translation>Checking the programs found these problems (double-click a row to go to its zone):</translation>
    </message>
    <message>
        <source>严重程度</source>
        <translation>Severity</translation>
    </message>
    <message>
        <source>节目</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>分区</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>说明</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>继续</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>节目中有错误，显示屏可能无法正确显示。<byte value="xd"/>
仍然继续按&apos;Yes&apos;,不继续按&apos;NO&apos;.</source>
        <translation>The programs contain errors; the sign may not show them correctly.
Press &apos;Yes&apos; to continue anyway, &apos;No&apos; to stop.</translation>
    </message>
</context>
<context>
    <name>dotsign::PlaybackGroup</name>
    <message>
        <source>节目属性</source>
        <translation>Program properties</translation>
    </message>
    <message>
        <source>显示屏进入显示方式</source>
        <translation>How the text enters the sign</translation>
    </message>
    <message>
        <source>显示屏移动的速度</source>
        <translation>Speed of the movement on the sign</translation>
    </message>
    <message>
        <source>固定不动</source>
        <translation>Hold</translation>
    </message>
    <message>
        <source>播放前清场</source>
        <translation>Clear first</translation>
    </message>
    <message>
        <source>注意：当左右移动时，页间停留为0和选择单行处理，文本之间不会出现空格。</source>
        <translation>Note: when moving left or right with a dwell time of 0 and single line ticked, no spaces appear between the texts.</translation>
    </message>
    <message>
        <source>播放方式</source>
        <translation>Effect</translation>
    </message>
    <message>
        <source>动画速度</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>页间停留</source>
        <translation>Dwell time</translation>
    </message>
</context>
<context>
    <name>dotsign::PortSettingsDialog</name>
    <message>
        <source>串口参数设置</source>
        <translation>Serial port settings</translation>
    </message>
    <message>
        <source>串口</source>
        <translation>Serial port</translation>
    </message>
    <message>
        <source>波特率</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>数据位</source>
        <translation>Data bits</translation>
    </message>
    <message>
        <source>校验</source>
        <translation>Parity</translation>
    </message>
    <message>
        <source>无</source>
        <translation>None</translation>
    </message>
    <message>
        <source>停止位</source>
        <translation>Stop bits</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>dotsign::PreviewPicture</name>
    <message>
        <source>如果分区放大阅览的蓝线压着字，请调节行距，字体大小，或分区大小</source>
        <translation>If a blue line in the zone preview crosses the text, adjust the line spacing, the font size or the zone size</translation>
    </message>
    <message>
        <source>放大%1倍</source>
        <translation>Zoom %1</translation>
    </message>
</context>
<context>
    <name>dotsign::ProgramPage</name>
    <message>
        <source>星期一</source>
        <translation>Mon</translation>
    </message>
    <message>
        <source>星期二</source>
        <translation>Tue</translation>
    </message>
    <message>
        <source>星期三</source>
        <translation>Wed</translation>
    </message>
    <message>
        <source>星期四</source>
        <translation>Thu</translation>
    </message>
    <message>
        <source>星期五</source>
        <translation>Fri</translation>
    </message>
    <message>
        <source>星期六</source>
        <translation>Sat</translation>
    </message>
    <message>
        <source>星期日</source>
        <translation>Sun</translation>
    </message>
    <message>
        <source>播放模式</source>
        <translation>Play mode</translation>
    </message>
    <message>
        <source>顺序播放</source>
        <translation>In sequence</translation>
    </message>
    <message>
        <source>定长播放                      秒</source>
        <translation>Fixed length                      s</translation>
    </message>
    <message>
        <source>显示屏整屏刷新频率</source>
        <translation>Seconds the program plays</translation>
    </message>
    <message>
        <source>定长播放 </source>
        <translation>Fixed length </translation>
    </message>
    <message>
        <source>定时播放</source>
        <translation>Scheduled play</translation>
    </message>
    <message>
        <source>表示该信息不限制日期</source>
        <translation>Play the program only on the dates, weekdays and times below</translation>
    </message>
    <message>
        <source>选择该信息显示和播放的开始日期</source>
        <translation>The first date the program plays</translation>
    </message>
    <message>
        <source>选择该信息显示和播放的停止日期</source>
        <translation>The last date the program plays</translation>
    </message>
    <message>
        <source>起播日期</source>
        <translation>Start date</translation>
    </message>
    <message>
        <source>停播日期</source>
        <translation>End date</translation>
    </message>
    <message>
        <source>起播时间%1</source>
        <translation>Start time %1</translation>
    </message>
    <message>
        <source>停播时间</source>
        <translation>Stop time</translation>
    </message>
    <message>
        <source>音量</source>
        <translation>Volume</translation>
    </message>
</context>
<context>
    <name>dotsign::TFABOUT</name>
    <message>
        <source>系统介绍</source>
        <translation>About</translation>
    </message>
    <message>
        <source>单色 / 双色 LED 显示屏节目编辑与下载</source>
        <translation>Program editing and loading for single colour / red-green LED signs</translation>
    </message>
    <message>
        <source>本软件按原样提供，不附带任何明示或暗示的担保。
使用本软件向显示屏发送的内容由使用者负责。</source>
        <translation>This software is provided as is, without any warranty, express or implied.
The user is responsible for the content sent to a sign with this software.</translation>
    </message>
    <message>
        <source>确认</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>dotsign::TFDown</name>
    <message>
        <source>节目信息下载进度</source>
        <translation>Sending programs</translation>
    </message>
    <message>
        <source>正在下载节目%1</source>
        <translation>Sending program %1</translation>
    </message>
    <message>
        <source>完成进度</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>预计总时间：%1    剩余时间：%2</source>
        <translation>Estimated total: %1    Remaining: %2</translation>
    </message>
    <message>
        <source>电脑可能没有串口请检查后再操作。</source>
        <translation>This computer may have no serial port. Please check it and try again.</translation>
    </message>
    <message>
        <source>请确定是否发送当前这些节目到显示屏内?<byte value="xd"/>
发送按&apos;Yes&apos;,不发送按&apos;NO&apos;.</source>
        <translation>Send these programs to the sign now?
Press &apos;Yes&apos; to send, &apos;No&apos; not to send.</translation>
    </message>
</context>
<context>
    <name>dotsign::TFLight</name>
    <message>
        <source>(最暗)</source>
        <translation> (darkest)</translation>
    </message>
    <message>
        <source>(最亮)</source>
        <translation> (brightest)</translation>
    </message>
    <message>
        <source>亮度调节</source>
        <translation>Brightness</translation>
    </message>
    <message>
        <source>白天亮度调节时间设定</source>
        <translation>Daytime brightness</translation>
    </message>
    <message>
        <source>白天亮度</source>
        <translation>Day brightness</translation>
    </message>
    <message>
        <source>白天亮度调节时间</source>
        <translation>Day starts at</translation>
    </message>
    <message>
        <source>晚上亮度调节时间设定</source>
        <translation>Night-time brightness</translation>
    </message>
    <message>
        <source>晚上亮度调节时间</source>
        <translation>Night starts at</translation>
    </message>
    <message>
        <source>晚上亮度</source>
        <translation>Night brightness</translation>
    </message>
    <message>
        <source>发送</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>dotsign::TFMANA</name>
    <message>
        <source>管理员使用的功能</source>
        <translation>Administrator functions</translation>
    </message>
    <message>
        <source>确认</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>请输入登录密码</source>
        <translation>Enter the password</translation>
    </message>
    <message>
        <source>密码错误,请重新录入。</source>
        <translation>Wrong password, please enter it again.</translation>
    </message>
</context>
<context>
    <name>dotsign::TFSAVE</name>
    <message>
        <source>正在保存节目信息中</source>
        <translation>Saving the programs…</translation>
    </message>
</context>
<context>
    <name>dotsign::TFSETTIMER</name>
    <message>
        <source>开关机及校准 时间</source>
        <translation>On/off times and clock</translation>
    </message>
    <message>
        <source>注意：当按发送时对显示屏进行时间校准和定时开关机设置</source>
        <translation>Note: Send sets the clock of the sign and its scheduled on/off times.</translation>
    </message>
    <message>
        <source>定时开机时间</source>
        <translation>Power on at</translation>
    </message>
    <message>
        <source>定时关机时间</source>
        <translation>Power off at</translation>
    </message>
    <message>
        <source>发送</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>dotsign::TF_LSBK</name>
    <message>
        <source>流水边框功能</source>
        <translation>Border</translation>
    </message>
    <message>
        <source>选择带流水边框</source>
        <translation>Show a running border</translation>
    </message>
    <message>
        <source>发送</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>dotsign::TF_SET1</name>
    <message>
        <source>硬件配置</source>
        <translation>Hardware settings</translation>
    </message>
    <message>
        <source>参数设置</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>用户密码修改</source>
        <translation>User and password</translation>
    </message>
    <message>
        <source>通讯设置</source>
        <translation>Communication</translation>
    </message>
    <message>
        <source>单元板类型</source>
        <translation>Unit board type</translation>
    </message>
    <message>
        <source>08接口1/16扫F5,F3.75</source>
        <translation>08 interface, 1/16 scan, F5, F3.75</translation>
    </message>
    <message>
        <source>12接口P16,08接口背驱P10</source>
        <translation>12 interface P16, 08 interface back-driven P10</translation>
    </message>
    <message>
        <source>08接口(P10)</source>
        <translation>08 interface (P10)</translation>
    </message>
    <message>
        <source>12接口（P10）</source>
        <translation>12 interface (P10)</translation>
    </message>
    <message>
        <source>屏刷新频率</source>
        <translation>Refresh rate</translation>
    </message>
    <message>
        <source>数据逻辑电平</source>
        <translation>Data logic level</translation>
    </message>
    <message>
        <source>OE逻辑电平</source>
        <translation>OE logic level</translation>
    </message>
    <message>
        <source>LED显示屏大小尺寸设置</source>
        <translation>LED sign size</translation>
    </message>
    <message>
        <source>显示屏高度</source>
        <translation>Sign height</translation>
    </message>
    <message>
        <source>显示屏宽度</source>
        <translation>Sign width</translation>
    </message>
    <message>
        <source>显示屏色彩设置</source>
        <translation>Sign colours</translation>
    </message>
    <message>
        <source>单色</source>
        <translation>Single colour</translation>
    </message>
    <message>
        <source>双色</source>
        <translation>Red/green</translation>
    </message>
    <message>
        <source>全彩</source>
        <translation>Full colour</translation>
    </message>
    <message>
        <source>无灰度</source>
        <translation>No greyscale</translation>
    </message>
    <message>
        <source>16等级灰度</source>
        <translation>16 grey levels</translation>
    </message>
    <message>
        <source>256等级灰度</source>
        <translation>256 grey levels</translation>
    </message>
    <message>
        <source>4096等级灰度</source>
        <translation>4096 grey levels</translation>
    </message>
    <message>
        <source>65536等级灰度</source>
        <translation>65536 grey levels</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>灰度</source>
        <translation>Greyscale</translation>
    </message>
    <message>
        <source>卡的类型</source>
        <translation>Card class</translation>
    </message>
    <message>
        <source>A类卡</source>
        <translation>Class A card</translation>
    </message>
    <message>
        <source>B类卡</source>
        <translation>Class B card</translation>
    </message>
    <message>
        <source>C类卡</source>
        <translation>Class C card</translation>
    </message>
    <message>
        <source>卡地址</source>
        <translation>Card address</translation>
    </message>
    <message>
        <source>所有卡</source>
        <translation>All cards</translation>
    </message>
    <message>
        <source>选择U盘传输带亮度调节，定时开关机及高级设置功能</source>
        <translation>USB disk transfer with brightness, scheduled on/off and advanced settings</translation>
    </message>
    <message>
        <source>读控制卡内设置</source>
        <translation>Read from card</translation>
    </message>
    <message>
        <source>保存设置</source>
        <translation>Save settings</translation>
    </message>
    <message>
        <source>发送到控制卡</source>
        <translation>Send to card</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>颜色阀值</source>
        <translation>Colour threshold</translation>
    </message>
    <message>
        <source>原用户名</source>
        <translation>Old user name</translation>
    </message>
    <message>
        <source>原密码</source>
        <translation>Old password</translation>
    </message>
    <message>
        <source>新用户名</source>
        <translation>New user name</translation>
    </message>
    <message>
        <source>新密码</source>
        <translation>New password</translation>
    </message>
    <message>
        <source>恢复出厂密码</source>
        <translation>Factory password</translation>
    </message>
    <message>
        <source>取消密码</source>
        <translation>Clear password</translation>
    </message>
    <message>
        <source>通讯方式</source>
        <translation>Link type</translation>
    </message>
    <message>
        <source>本地串口</source>
        <translation>Local serial port</translation>
    </message>
    <message>
        <source>本地串口参数设置</source>
        <translation>Serial port settings…</translation>
    </message>
    <message>
        <source>检测屏地址</source>
        <translation>Test address</translation>
    </message>
    <message>
        <source>通讯测试</source>
        <translation>Link test</translation>
    </message>
    <message>
        <source>单元板检测</source>
        <translation>Unit board test</translation>
    </message>
    <message>
        <source>显示屏大小:%1*%2</source>
        <translation>Sign size: %1*%2</translation>
    </message>
    <message>
        <source>该注意显示屏的大小改变,系统对各节目做自适应调整,请<byte value="xd"/>
查看一下当前节目表中的所有节目的分区大小和信息是否还符合你的要求。</source>
        <translation>The sign&apos;s size has changed, and every program has been adjusted to fit it.
Please check that the zone sizes and contents of all programs in the list still suit you.</translation>
    </message>
    <message>
        <source>注册用户:%1</source>
        <translation>Registered user: %1</translation>
    </message>
    <message>
        <source>用户信息录入不正确.</source>
        <translation>The user name or password is not correct.</translation>
    </message>
</context>
<context>
    <name>dotsign::TF_TABLE_SIZE</name>
    <message>
        <source>插入表格</source>
        <translation>Insert Table</translation>
    </message>
    <message>
        <source>确定(&amp;O)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>取消(&amp;C)</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>表格大小</source>
        <translation>Table Size</translation>
    </message>
    <message>
        <source>表格的行数</source>
        <translation>Number of rows in the table</translation>
    </message>
    <message>
        <source>表格的列数</source>
        <translation>Number of columns in the table</translation>
    </message>
    <message>
        <source>行数(&amp;R):</source>
        <translation>&amp;Rows:</translation>
    </message>
    <message>
        <source>列数(&amp;C):</source>
        <translation>Co&amp;lumns:</translation>
    </message>
    <message>
        <source>表格边框宽度</source>
        <translation>Border Width</translation>
    </message>
    <message>
        <source>表格外框线的宽度（点）</source>
        <translation>Width of the table’s outer border (points)</translation>
    </message>
    <message>
        <source>单元格框线的宽度（点）</source>
        <translation>Width of the cell borders (points)</translation>
    </message>
    <message>
        <source>外边框</source>
        <translation>Outer border</translation>
    </message>
    <message>
        <source>内边框</source>
        <translation>Inner border</translation>
    </message>
    <message>
        <source>表格边框颜色</source>
        <translation>Border Colour</translation>
    </message>
    <message>
        <source>单击选择颜色</source>
        <translation>Click to choose a colour</translation>
    </message>
    <message>
        <source>边框颜色</source>
        <translation>Border Colour</translation>
    </message>
</context>
<context>
    <name>dotsign::TF_com</name>
    <message>
        <source>查找显示屏</source>
        <translation>Find sign</translation>
    </message>
    <message>
        <source>自动查找</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>手动配置</source>
        <translation>Manual setup</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>电脑可能没有串口请检查后再操作。</source>
        <translation>This computer may have no serial port. Please check it and try again.</translation>
    </message>
    <message>
        <source>没有找到显示屏,请检查硬件和通讯线。</source>
        <translation>No sign found. Please check the hardware and the cable.</translation>
    </message>
    <message>
        <source>探测%1......</source>
        <translation>Probing %1…</translation>
    </message>
    <message>
        <source>已经找到显示屏在%1</source>
        <translation>Sign found on %1</translation>
    </message>
</context>
<context>
    <name>dotsign::TF_usb</name>
    <message>
        <source>U盘数据保存</source>
        <translation>Save to USB disk</translation>
    </message>
    <message>
        <source>请选择U盘所在的设备</source>
        <translation>Choose the USB disk</translation>
    </message>
    <message>
        <source>选择流水边框效果</source>
        <translation>Flowing border effect</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>正在下载节目%1</source>
        <translation>Writing program %1</translation>
    </message>
    <message>
        <source>数据没有导入成功。
%1 已不在电脑上，请插好U盘后重新选择。</source>
        <translation>The data was not exported.
%1 is no longer connected. Plug the USB disk in and choose it again.</translation>
    </message>
    <message>
        <source>数据导入到%1盘。</source>
        <translation>Data exported to disk %1.</translation>
    </message>
</context>
<context>
    <name>dotsign::TForm3</name>
    <message>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>图形-文字-表格混合编辑</source>
        <translation>Graphic Text Editor</translation>
    </message>
    <message>
        <source>无法识别的文档类型，保存时请另取文件名</source>
        <translation>Unknown document type: save it under another name</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Save failed</translation>
    </message>
    <message>
        <source>文件读错误。</source>
        <translation>File read error.</translation>
    </message>
    <message>
        <source>现在保存图文分区修改吗?</source>
        <translation>Save the changes to the graphic text zone now?</translation>
    </message>
    <message>
        <source>请注意:分区已经修改</source>
        <translation>Note: the zone has been changed</translation>
    </message>
    <message>
        <source>无法读取文件 %1</source>
        <translation>Cannot read the file %1</translation>
    </message>
    <message>
        <source>文字颜色</source>
        <translation>Text Colour</translation>
    </message>
    <message>
        <source>文字背景颜色</source>
        <translation>Text Background Colour</translation>
    </message>
    <message>
        <source>段落背景颜色</source>
        <translation>Paragraph Background Colour</translation>
    </message>
    <message>
        <source>文档背景颜色</source>
        <translation>Document Background Colour</translation>
    </message>
    <message>
        <source>单元格颜色</source>
        <translation>Cell Colour</translation>
    </message>
    <message>
        <source>图片文件 (*.png *.jpg *.jpeg *.gif *.bmp)</source>
        <translation>Picture files (*.png *.jpg *.jpeg *.gif *.bmp)</translation>
    </message>
    <message>
        <source>无法读取图片 %1</source>
        <translation>Cannot read the picture %1</translation>
    </message>
    <message>
        <source>分区大小:%1*%2</source>
        <translation>Zone size: %1*%2</translation>
    </message>
    <message>
        <source>分区放大阅览</source>
        <translation>Zone Preview (Enlarged)</translation>
    </message>
    <message>
        <source>编辑区</source>
        <translation>Editing Area</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>行距（百分比）</source>
        <translation>Line spacing (percent)</translation>
    </message>
    <message>
        <source>下移：内容在每页中向下移动的点数</source>
        <translation>Shift down: the number of points the content moves down on every page</translation>
    </message>
    <message>
        <source>新建文件</source>
        <translation>New</translation>
    </message>
    <message>
        <source>打开文件</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>保存文件</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>另保存文件</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>剪切</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>Select All</translation>
    </message>
    <message>
        <source>查找和替换</source>
        <translation>Find and Replace</translation>
    </message>
    <message>
        <source>粗体</source>
        <translation>Bold</translation>
    </message>
    <message>
        <source>斜体</source>
        <translation>Italic</translation>
    </message>
    <message>
        <source>下划线</source>
        <translation>Underline</translation>
    </message>
    <message>
        <source>删除线</source>
        <translation>Strikethrough</translation>
    </message>
    <message>
        <source>文字背景色</source>
        <translation>Text Background</translation>
    </message>
    <message>
        <source>段落背景色</source>
        <translation>Paragraph Background</translation>
    </message>
    <message>
        <source>文档背景色</source>
        <translation>Document Background</translation>
    </message>
    <message>
        <source>左对齐</source>
        <translation>Align Left</translation>
    </message>
    <message>
        <source>居中</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>右对齐</source>
        <translation>Align Right</translation>
    </message>
    <message>
        <source>两端对齐</source>
        <translation>Justify</translation>
    </message>
    <message>
        <source>增加缩进</source>
        <translation>Increase Indent</translation>
    </message>
    <message>
        <source>减少缩进</source>
        <translation>Decrease Indent</translation>
    </message>
    <message>
        <source>项目符号</source>
        <translation>Bullets</translation>
    </message>
    <message>
        <source>编号</source>
        <translation>Numbering</translation>
    </message>
    <message>
        <source>插入图片</source>
        <translation>Insert Picture</translation>
    </message>
    <message>
        <source>插入表格</source>
        <translation>Insert Table</translation>
    </message>
    <message>
        <source>在上方插入行</source>
        <translation>Insert Row Above</translation>
    </message>
    <message>
        <source>在下方插入行</source>
        <translation>Insert Row Below</translation>
    </message>
    <message>
        <source>在左侧插入列</source>
        <translation>Insert Column Left</translation>
    </message>
    <message>
        <source>在右侧插入列</source>
        <translation>Insert Column Right</translation>
    </message>
    <message>
        <source>删除行</source>
        <translation>Delete Row</translation>
    </message>
    <message>
        <source>删除列</source>
        <translation>Delete Column</translation>
    </message>
    <message>
        <source>合并单元格</source>
        <translation>Merge Cells</translation>
    </message>
    <message>
        <source>拆分单元格</source>
        <translation>Split Cell</translation>
    </message>
    <message>
        <source>表格边框颜色</source>
        <translation>Table Border Colour</translation>
    </message>
    <message>
        <source>阅览编辑</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>关闭编辑</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>插入</source>
        <translation>&amp;Insert</translation>
    </message>
    <message>
        <source>格式</source>
        <translation>F&amp;ormat</translation>
    </message>
    <message>
        <source>表格</source>
        <translation>&amp;Table</translation>
    </message>
    <message>
        <source>阅览</source>
        <translation>&amp;Preview</translation>
    </message>
    <message>
        <source>放大阅览</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>常用</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source> 行距 </source>
        <translation> Line spacing </translation>
    </message>
    <message>
        <source> 下移 </source>
        <translation> Shift down </translation>
    </message>
</context>
<context>
    <name>dotsign::TMAINForm</name>
    <message>
        <source>星期日</source>
        <translation>Sunday</translation>
    </message>
    <message>
        <source>星期一</source>
        <translation>Monday</translation>
    </message>
    <message>
        <source>星期二</source>
        <translation>Tuesday</translation>
    </message>
    <message>
        <source>星期三</source>
        <translation>Wednesday</translation>
    </message>
    <message>
        <source>星期四</source>
        <translation>Thursday</translation>
    </message>
    <message>
        <source>星期五</source>
        <translation>Friday</translation>
    </message>
    <message>
        <source>星期六</source>
        <translation>Saturday</translation>
    </message>
    <message>
        <source>节目管理</source>
        <translation>Programs</translation>
    </message>
    <message>
        <source>单击选择对应项目</source>
        <translation>Click an item to select it</translation>
    </message>
    <message>
        <source>文本</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>时钟</source>
        <translation>Clock</translation>
    </message>
    <message>
        <source>图文</source>
        <translation>Graphic text</translation>
    </message>
    <message>
        <source>显示屏整体阅览</source>
        <translation>Whole sign preview</translation>
    </message>
    <message>
        <source>分区放大阅览（右键可放大）</source>
        <translation>Zone preview (right-click to zoom)</translation>
    </message>
    <message>
        <source>属性编辑窗体</source>
        <translation>Properties</translation>
    </message>
    <message>
        <source>进入编辑</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>打开图文编辑器编辑本分区</source>
        <translation>Edit this zone in the graphic text editor</translation>
    </message>
    <message>
        <source>图文分区的内容在图文编辑器中编辑。</source>
        <translation>The content of a graphic text zone is edited in the graphic text editor.</translation>
    </message>
    <message>
        <source>串口</source>
        <translation>Serial port</translation>
    </message>
    <message>
        <source>显示屏大小:</source>
        <translation>Sign size:</translation>
    </message>
    <message>
        <source>请确定是否退出该系统?<byte value="xd"/>
退出按&apos;Yes&apos;,不退出按&apos;NO&apos;.</source>
        <translation>Do you want to exit?<byte value="xd"/>
Press &apos;Yes&apos; to exit, &apos;No&apos; to stay.</translation>
    </message>
    <message>
        <source>请确定是否保存信息?<byte value="xd"/>
保存按&apos;Yes&apos;,不保存按&apos;NO&apos;.</source>
        <translation>Do you want to save your changes?<byte value="xd"/>
Press &apos;Yes&apos; to save, &apos;No&apos; to discard them.</translation>
    </message>
    <message>
        <source>此功能将在后续版本中提供</source>
        <translation>This function comes with a later release</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>节目</source>
        <translation>&amp;Program</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>发送</source>
        <translation>Se&amp;nd</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>工具栏</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>设置文本分区</source>
        <translation>Make a text zone</translation>
    </message>
    <message>
        <source>设置成时钟分区</source>
        <translation>Make a clock zone</translation>
    </message>
    <message>
        <source>设置成图文分区</source>
        <translation>Make a graphic text zone</translation>
    </message>
    <message>
        <source>放大%1倍</source>
        <translation>Zoom %1</translation>
    </message>
    <message>
        <source>保存成功!</source>
        <translation>Saved.</translation>
    </message>
    <message>
        <source>文件读错误。</source>
        <translation>The file could not be read.</translation>
    </message>
    <message>
        <source>对不起%1最多只能%2节目。</source>
        <translation>Sorry, %1 can hold at most %2 programs.</translation>
    </message>
    <message>
        <source>请确定是否删除%1?<byte value="xd"/>
删除则按&apos;Yes&apos;,不则按&apos;NO&apos;.</source>
        <translation>Do you want to delete %1?<byte value="xd"/>
Press &apos;Yes&apos; to delete, &apos;No&apos; to keep it.</translation>
    </message>
    <message>
        <source>%1属性信息</source>
        <translation>%1 properties</translation>
    </message>
    <message>
        <source>%1%2</source>
        <extracomment>The playback group&apos;s title: a program&apos;s tree label, then its zone&apos;s, e.g. &quot;节目1分区2*&quot;.</extracomment>
        <translation>%1 – %2</translation>
    </message>
</context>
<context>
    <name>dotsign::TemplateDialog</name>
    <message>
        <source>选择模板</source>
        <translation>Choose template</translation>
    </message>
    <message>
        <source>分区模板</source>
        <translation>Zone templates</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>dotsign::TemplateTile</name>
    <message>
        <source>模板%1</source>
        <translation>Template %1</translation>
    </message>
    <message>
        <source>主分区</source>
        <translation>Main zone</translation>
    </message>
</context>
<context>
    <name>dotsign::TextPanel</name>
    <message>
        <source>在此输入要显示的文字</source>
        <translation>Type the text to show here</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>打开一个文本文件</source>
        <translation>Open a text file</translation>
    </message>
    <message>
        <source>红色</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>绿色</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>黄色</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <source>单行处理</source>
        <translation>Single line</translation>
    </message>
    <message>
        <source>对联效果</source>
        <translation>Couplet</translation>
    </message>
    <message>
        <source>显示屏不能显示以下字符，它们将显示为“?”：%1</source>
        <translation>The sign cannot show these characters; they will appear as “?”: %1</translation>
    </message>
</context>
<context>
    <name>dotsign::VirtualSignWindow</name>
    <message>
        <source>虚拟显示屏</source>
        <translation>Virtual sign</translation>
    </message>
    <message>
        <source>暂停</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>单步</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>重新开始</source>
        <translation>Restart</translation>
    </message>
    <message>
        <source>打开U盘文件…</source>
        <translation>Open USB file…</translation>
    </message>
    <message>
        <source>指定时钟</source>
        <translation>Fixed clock</translation>
    </message>
    <message>
        <source>播放到下一页开始或停稳</source>
        <translation>Play until the next page starts or comes to rest</translation>
    </message>
    <message>
        <source>以指定的日期和时间代替电脑时间，预览定时播放</source>
        <translation>Use this date and time instead of the computer&apos;s clock, to preview scheduled playback</translation>
    </message>
    <message>
        <source>打开U盘文件</source>
        <translation>Open USB disk file</translation>
    </message>
    <message>
        <source>播放</source>
        <translation>Play</translation>
    </message>
</context>
</TS>
