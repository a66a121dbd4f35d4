<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>BackupStore</name>
    <message>
        <source>There is no per-user data folder to keep backups in.</source>
        <translation>没有可保存备份的用户数据文件夹。</translation>
    </message>
    <message>
        <source>Cannot write a backup in %1: %2.</source>
        <translation>无法在 %1 中写入备份：%2。</translation>
    </message>
    <message>
        <source>Cannot write a backup in %1: every name of this second is taken.</source>
        <translation>无法在 %1 中写入备份：这一秒的文件名都已被占用。</translation>
    </message>
    <message>
        <source>There is no per-user data folder to keep backups in: %1.</source>
        <translation>没有可保存备份的用户数据文件夹：%1。</translation>
    </message>
    <message>
        <source>Cannot create the backups folder %1: %2.</source>
        <translation>无法创建备份文件夹 %1：%2。</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 不是文件夹</translation>
    </message>
    <message>
        <source>the folder %1 cannot be read: Permission denied</source>
        <translation>无法读取文件夹 %1：权限不足</translation>
    </message>
</context>
<context>
    <name>CHelpWindow</name>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>后退(&amp;B)</translation>
    </message>
    <message>
        <source>C&amp;ontents</source>
        <translation>目录(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
</context>
<context>
    <name>CLanguageDlg</name>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>中文</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Toolbar</source>
        <translation>工具栏</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>就绪</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>CAP</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>SCRL</translation>
    </message>
    <message>
        <source>A transfer with the radio is still running.
Cancel the transfer and close the program?</source>
        <translation>与对讲机的数据传输仍在进行。
取消传输并关闭程序吗？</translation>
    </message>
</context>
<context>
    <name>CTreeControlBar</name>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>IE Control Bar</source>
        <translation>控制栏</translation>
    </message>
</context>
<context>
    <name>CellValues</name>
    <message>
        <source>name %1 stored as %2</source>
        <translation>名字 %1 存为 %2</translation>
    </message>
    <message>
        <source>%1 %2 is not a tone of the list (67.0 ... 254.1, D023N ... D754N, D023I ... D754I or None)</source>
        <translation>%1 %2 不是信令列表中的值（67.0 ... 254.1、D023N ... D754N、D023I ... D754I 或 None）</translation>
    </message>
    <message>
        <source>%1 %2 is not one of %3</source>
        <translation>%1 %2 不是以下之一：%3</translation>
    </message>
</context>
<context>
    <name>ChannelCsv</name>
    <message>
        <source>unknown column %1 in the header</source>
        <translation>标题行中有未知的列 %1</translation>
    </message>
    <message>
        <source>column %1 appears twice in the header</source>
        <translation>列 %1 在标题行中出现了两次</translation>
    </message>
    <message>
        <source>the header needs at least the columns %1 and %2</source>
        <translation>标题行至少需要 %1 和 %2 两列</translation>
    </message>
    <message>
        <source>CH %1 is not Pr or 1-199</source>
        <translation>信道 %1 不是 Pr 或 1-199</translation>
    </message>
    <message>
        <source>CH is missing</source>
        <translation>缺少信道号（CH）</translation>
    </message>
    <message>
        <source>Rx Frequency is empty; leave the whole row empty to empty the channel</source>
        <translation>接收频率为空；要清空信道，请让整行留空</translation>
    </message>
    <message>
        <source>the row is empty: it has no channel to add</source>
        <translation>该行为空：没有可添加的信道</translation>
    </message>
    <message>
        <source>channel %1 is already set on line %2</source>
        <translation>信道%1已在第 %2 行设置</translation>
    </message>
    <message>
        <source>no empty channel is left from channel %1 on</source>
        <translation>从信道%1起已没有空信道</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>the file is empty: it needs a header line</source>
        <translation>文件为空：需要一行标题行</translation>
    </message>
    <message>
        <source>the file is larger than %1 bytes; a list of 200 channels is far smaller</source>
        <translation>文件大于 %1 字节；200 个信道的列表要小得多</translation>
    </message>
    <message>
        <source>more than 200 channel rows; the radio has 200 channels (Pr and 1-199)</source>
        <translation>信道行多于 200 行；对讲机只有 200 个信道（Pr 和 1-199）</translation>
    </message>
    <message>
        <source>no channels in the file; nothing changed</source>
        <translation>文件中没有信道；未作任何改动</translation>
    </message>
    <message>
        <source>%1 %2 is not a frequency in MHz (digits with a decimal point, as 146.525)</source>
        <translation>%1 %2 不是以 MHz 为单位的频率（应为带小数点的数字，例如 146.525）</translation>
    </message>
    <message>
        <source>%1 (%2 %3)</source>
        <translation>%1（%2 %3）</translation>
    </message>
    <message>
        <source>the line has %1 fields where the header has %2 columns; is it cut short?</source>
        <translation>该行有 %1 个字段，而标题行有 %2 列；该行是否不完整？</translation>
    </message>
    <message>
        <source>more fields than the header has columns (%1 where the header has %2); a value holding a comma must be in double quotes</source>
        <translation>字段多于标题行的列数（%1 个，标题行有 %2 列）；含逗号的值须放在双引号中</translation>
    </message>
    <message>
        <source>Location %1 is not 0-199 (0 is the priority channel Pr)</source>
        <translation>Location %1 不在 0-199 之内（0 为优先信道 Pr）</translation>
    </message>
    <message>
        <source>Offset %1 (the Tx frequency of a split channel) is not a number of MHz</source>
        <translation>Offset %1（异频信道的发射频率）不是以 MHz 为单位的数</translation>
    </message>
    <message>
        <source>Offset %1 is not a number of MHz</source>
        <translation>Offset %1 不是以 MHz 为单位的数</translation>
    </message>
    <message>
        <source>Duplex %1 is not one of +, -, split, off or empty</source>
        <translation>Duplex %1 不是 +、-、split、off 或空值之一</translation>
    </message>
    <message>
        <source>Offset %1 with Duplex %2</source>
        <translation>Offset %1 与 Duplex %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>%1 (%2 gives the Tx frequency %3 MHz)</source>
        <translation>%1（%2 得出的发射频率为 %3 MHz）</translation>
    </message>
    <message>
        <source>Power %1 is not a number of watts nor High, Middle, Low</source>
        <translation>Power %1 既不是瓦数，也不是 High、Middle、Low</translation>
    </message>
    <message>
        <source>Mode %1: the radio has FM (Wide) and NFM (Narrow) only</source>
        <translation>Mode %1：对讲机只有 FM（宽）和 NFM（窄）</translation>
    </message>
    <message>
        <source>the header has no Frequency column</source>
        <translation>标题行中没有 Frequency 列</translation>
    </message>
    <message>
        <source>DTCS code %1 is not a three-digit code</source>
        <translation>DTCS 码 %1 不是三位数字码</translation>
    </message>
    <message>
        <source>DTCS polarity %1 is not N or R</source>
        <translation>DTCS 极性 %1 不是 N 或 R</translation>
    </message>
    <message>
        <source>%1 %2 is not a tone in Hz with at most one decimal (as 88.5)</source>
        <translation>%1 %2 不是以 Hz 为单位、最多一位小数的信令（例如 88.5）</translation>
    </message>
    <message>
        <source>DtcsPolarity %1 is not two letters</source>
        <translation>DtcsPolarity %1 不是两个字母</translation>
    </message>
    <message>
        <source>tone mode %1 is not one of Tone, TSQL, DTCS, Cross</source>
        <translation>信令方式 %1 不是 Tone、TSQL、DTCS、Cross 之一</translation>
    </message>
    <message>
        <source>CrossMode %1 is not understood</source>
        <translation>无法识别 CrossMode %1</translation>
    </message>
    <message>
        <source>more than %1 records</source>
        <translation>记录多于 %1 条</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation>引号中的字段缺少结束引号</translation>
    </message>
    <message>
        <source>text after the closing quote of a field</source>
        <translation>字段的结束引号后还有文字</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text</source>
        <translation>文件不是 UTF-8 文本</translation>
    </message>
</context>
<context>
    <name>ChannelRowCommands</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>剪切(&amp;T)</translation>
    </message>
    <message>
        <source>Cop&amp;y</source>
        <translation>复制(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>粘贴(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Insert Empty Row</source>
        <translation>插入空行(&amp;I)</translation>
    </message>
    <message>
        <source>Delete Ro&amp;w</source>
        <translation>删除行(&amp;W)</translation>
    </message>
    <message>
        <source>Mo&amp;ve Up</source>
        <translation>上移(&amp;V)</translation>
    </message>
    <message>
        <source>Move Dow&amp;n</source>
        <translation>下移(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Sort by Rx Frequency</source>
        <translation>按接收频率排序(&amp;S)</translation>
    </message>
    <message>
        <source>Sort by Na&amp;me</source>
        <translation>按名字排序(&amp;M)</translation>
    </message>
    <message>
        <source>Set %1 for Selected</source>
        <translation>为所选信道设置%1</translation>
    </message>
    <message>
        <source>Fill Down</source>
        <translation>向下填充</translation>
    </message>
    <message>
        <source>Set T&amp;x from Rx...</source>
        <translation>由接收频率设置发射频率(&amp;X)...</translation>
    </message>
    <message>
        <source>Shift Fre&amp;quencies...</source>
        <translation>平移频率(&amp;Q)...</translation>
    </message>
    <message>
        <source>Insert Channel &amp;List...</source>
        <translation>插入信道列表(&amp;L)...</translation>
    </message>
</context>
<context>
    <name>ComPort</name>
    <message>
        <source>you may not use %1: add yourself to the group that owns it (%2): sudo usermod -aG %2 $USER, then log in again</source>
        <translation>您无权使用 %1：请把自己加入拥有它的用户组（%2）：sudo usermod -aG %2 $USER，然后重新登录</translation>
    </message>
    <message>
        <source>no port name was given</source>
        <translation>没有给出端口名</translation>
    </message>
    <message>
        <source>there is no device %1 (a port name without a folder is looked up in /dev)</source>
        <translation>没有设备 %1（不带文件夹的端口名在 /dev 中查找）</translation>
    </message>
    <message>
        <source>%1 is not a serial port (it is a file or a folder, not a device)</source>
        <translation>%1 不是串口（它是文件或文件夹，不是设备）</translation>
    </message>
</context>
<context>
    <name>DatFile</name>
    <message>
        <source>%1 is a folder, not a .dat file.</source>
        <translation>%1 是文件夹，不是 .dat 文件。</translation>
    </message>
    <message>
        <source>Cannot read %1: %2. Check that you may read it.</source>
        <translation>无法读取 %1：%2。请检查您是否有读取权限。</translation>
    </message>
    <message>
        <source>Cannot open %1: %2. Check the file name.</source>
        <translation>无法打开 %1：%2。请检查文件名。</translation>
    </message>
    <message>
        <source>%1 holds %2 bytes; a radio image (.dat) has %3. The file is not a complete image and was not opened.</source>
        <translation>%1 只有 %2 字节，而对讲机数据文件（.dat）应为 %3 字节。该文件不是完整的数据，未打开。</translation>
    </message>
    <message>
        <source>Cannot save %1: %2. Choose another folder or file name.</source>
        <translation>无法保存 %1：%2。请选择其他文件夹或文件名。</translation>
    </message>
    <message>
        <source>Saving %1 failed: %2. The previous file is unchanged.</source>
        <translation>保存 %1 失败：%2。原文件未改动。</translation>
    </message>
    <message>
        <source>%1 is not a regular file; a radio image (.dat) is a file.</source>
        <translation>%1 不是普通文件；对讲机数据（.dat）是一个文件。</translation>
    </message>
    <message>
        <source>Saving %1 failed: %2. No file was made.</source>
        <translation>保存 %1 失败：%2。未生成文件。</translation>
    </message>
    <message>
        <source>%1 is %2 bytes, not an %3-byte image; nothing was changed. Choose another file name.</source>
        <translation>%1 有 %2 字节，不是 %3 字节的映像；未做任何更改。请选择其他文件名。</translation>
    </message>
    <message>
        <source>Cannot open %1: the file&apos;s name is not valid UTF-8 and cannot be handled. Rename the file.</source>
        <translation>无法打开 %1：文件名不是有效的 UTF-8，无法处理。请重命名该文件。</translation>
    </message>
</context>
<context>
    <name>DataPaths</name>
    <message>
        <source>your home folder is not known (HOME is not set)</source>
        <translation>无法确定您的主文件夹（未设置 HOME）</translation>
    </message>
    <message>
        <source>your home folder %1 does not exist; set HOME (or %2) to a folder that does</source>
        <translation>您的主文件夹 %1 不存在；请将 HOME（或 %2）设为存在的文件夹</translation>
    </message>
</context>
<context>
    <name>DocumentCommands</name>
    <message>
        <source>Program Document (*.dat)</source>
        <translation>写频数据文件 (*.dat)</translation>
    </message>
    <message>
        <source>The document &quot;%1&quot; has changes that were not saved.
Save them now?</source>
        <translation>文档“%1”有尚未保存的修改。
现在保存吗？</translation>
    </message>
    <message>
        <source>%1 is not a file but a device or a pipe; it was not opened.</source>
        <translation>%1 不是文件，而是设备或管道；未打开。</translation>
    </message>
    <message>
        <source>%1 is %2 bytes, not an %3-byte image. Replace it with the %3 bytes of this document? Its other bytes will be lost.</source>
        <translation>%1 有 %2 字节，不是 %3 字节的映像。要用本文档的 %3 字节替换它吗？它的其余字节将会丢失。</translation>
    </message>
    <message>
        <source>%1 is in use by another process (%2).
The document is open to read, but it cannot be saved under its name while that process holds it; Save offers Save As instead.</source>
        <translation>%1 正被另一个进程使用（%2）。
文档已打开，可以查看，但在该进程占用期间不能以原名保存；保存时将改为提供“另存为”。</translation>
    </message>
    <message>
        <source>%1
Save the document under another name?</source>
        <translation>%1
是否以其他名称保存该文档？</translation>
    </message>
</context>
<context>
    <name>EditCommands</name>
    <message>
        <source>&amp;Undo %1	Ctrl+Z</source>
        <translation>撤销(&amp;U) %1	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>撤销(&amp;U)	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo %1	Ctrl+Y</source>
        <translation>重做(&amp;R) %1	Ctrl+Y</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Y</source>
        <translation>重做(&amp;R)	Ctrl+Y</translation>
    </message>
</context>
<context>
    <name>FileAccess</name>
    <message>
        <source>a folder, not a file</source>
        <translation>是文件夹，不是文件</translation>
    </message>
    <message>
        <source>no space left on the device</source>
        <translation>设备上没有剩余空间</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>不是文件夹</translation>
    </message>
    <message>
        <source>cannot be made</source>
        <translation>无法创建</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>该文件为只读文件</translation>
    </message>
</context>
<context>
    <name>FileLock</name>
    <message>
        <source>Cannot lock %1: %2 is %3.</source>
        <translation>无法锁定 %1：%2 %3。</translation>
    </message>
    <message>
        <source>%1 is in use by another process (%2); nothing was changed. Try again when it has finished.</source>
        <translation>%1 正被另一个进程使用（%2）；未作任何改动。请在它结束后重试。</translation>
    </message>
    <message>
        <source>Cannot lock %1: %2.</source>
        <translation>无法锁定 %1：%2。</translation>
    </message>
</context>
<context>
    <name>FleetNames</name>
    <message>
        <source>line %1: &quot;%2&quot; cannot be a power-on name (at most 6 characters: 0-9, A-Z, - and _)</source>
        <translation>第 %1 行：“%2”不能用作开机名称（最多 6 个字符：0-9、A-Z、- 和 _）</translation>
    </message>
    <message>
        <source>the list holds no power-on name</source>
        <translation>名单中没有开机名称</translation>
    </message>
</context>
<context>
    <name>FrameActions</name>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>新建(&amp;N)	Ctrl+N</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>新建文档</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>打开(&amp;O)...	Ctrl+O</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>打开已有文档</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>Close the active document</source>
        <translation>关闭当前文档</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>保存(&amp;S)	Ctrl+S</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>保存当前文档</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>另存为(&amp;A)...</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>以新文件名保存当前文档</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>打印(&amp;P)...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Print the active document</source>
        <translation>打印当前文档</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>打印预览(&amp;V)</translation>
    </message>
    <message>
        <source>Display full pages</source>
        <translation>显示整页</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>打印设置(&amp;R)...</translation>
    </message>
    <message>
        <source>Change the printer and printing options</source>
        <translation>更改打印机和打印选项</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>退出程序；提示保存文档</translation>
    </message>
    <message>
        <source>&amp;Channel Information</source>
        <translation>信道信息(&amp;C)</translation>
    </message>
    <message>
        <source>Show the channel table</source>
        <translation>显示信道表</translation>
    </message>
    <message>
        <source>&amp;Optional Features</source>
        <translation>可选功能(&amp;O)</translation>
    </message>
    <message>
        <source>Edit the optional features of the radio</source>
        <translation>编辑对讲机的可选功能</translation>
    </message>
    <message>
        <source>Sql Adjust</source>
        <translation>静噪调节</translation>
    </message>
    <message>
        <source>Adjust the squelch levels</source>
        <translation>调节静噪电平</translation>
    </message>
    <message>
        <source>Product Information</source>
        <translation>类型设置</translation>
    </message>
    <message>
        <source>Choose the radio type and frequency range</source>
        <translation>选择对讲机型号和频率范围</translation>
    </message>
    <message>
        <source>&amp;Read    Ctrl+R</source>
        <translation>读数据(&amp;R)    Ctrl+R</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>读数据</translation>
    </message>
    <message>
        <source>Read all data from the radio</source>
        <translation>从对讲机读取全部数据</translation>
    </message>
    <message>
        <source>&amp;Write   Ctrl+W</source>
        <translation>写数据(&amp;W)   Ctrl+W</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>写数据</translation>
    </message>
    <message>
        <source>Write all data to the radio</source>
        <translation>把全部数据写入对讲机</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>工具栏(&amp;T)</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>显示或隐藏工具栏</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>状态栏(&amp;S)</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>显示或隐藏状态栏</translation>
    </message>
    <message>
        <source>&amp;Control Bar</source>
        <translation>控制栏(&amp;C)</translation>
    </message>
    <message>
        <source>Show or hide the control bar</source>
        <translation>显示或隐藏控制栏</translation>
    </message>
    <message>
        <source>&amp;Com Setup</source>
        <translation>串口设置(&amp;C)</translation>
    </message>
    <message>
        <source>Choose the serial port of the cable</source>
        <translation>选择写频线的串口</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>语言(&amp;L)</translation>
    </message>
    <message>
        <source>Choose the interface language</source>
        <translation>选择界面语言</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Show the help topics</source>
        <translation>显示帮助主题</translation>
    </message>
    <message>
        <source>Next Pane</source>
        <translation>下一窗格</translation>
    </message>
    <message>
        <source>Previous Pane</source>
        <translation>上一窗格</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>显示程序信息、版本号和版权</translation>
    </message>
    <message>
        <source>&amp;About QX_617...</source>
        <translation>关于 QX_617(&amp;A)...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>&amp;About Program...</source>
        <translation>关于 Program(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>查看(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation>编程(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>设置(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>撤销(&amp;U)	Ctrl+Z</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>撤销最近一次修改</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Y</source>
        <translation>重做(&amp;R)	Ctrl+Y</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Redo the change undone last</source>
        <translation>重做最近撤销的修改</translation>
    </message>
    <message>
        <source>Copy the selected channels to the clipboard and clear them</source>
        <translation>把所选信道复制到剪贴板并清空它们</translation>
    </message>
    <message>
        <source>Copy the selected channels to the clipboard</source>
        <translation>把所选信道复制到剪贴板</translation>
    </message>
    <message>
        <source>Paste channels from the clipboard, from the first selected row on</source>
        <translation>从第一个所选行起粘贴剪贴板中的信道</translation>
    </message>
    <message>
        <source>Clear the selected channels</source>
        <translation>清空所选信道</translation>
    </message>
    <message>
        <source>Insert an empty row; the rows below move down</source>
        <translation>插入一个空行，下面的行下移</translation>
    </message>
    <message>
        <source>Delete the selected rows; the rows below move up</source>
        <translation>删除所选行，下面的行上移</translation>
    </message>
    <message>
        <source>Move the selected rows up by one</source>
        <translation>把所选行上移一行</translation>
    </message>
    <message>
        <source>Move the selected rows down by one</source>
        <translation>把所选行下移一行</translation>
    </message>
    <message>
        <source>Sort the selected channels by receive frequency</source>
        <translation>按接收频率排列所选信道</translation>
    </message>
    <message>
        <source>Sort the selected channels by name</source>
        <translation>按名字排列所选信道</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>目录(&amp;C)</translation>
    </message>
    <message>
        <source>Show the contents of the help</source>
        <translation>显示帮助的目录</translation>
    </message>
    <message>
        <source>Recent &amp;Files</source>
        <translation>最近的文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>窗口(&amp;W)</translation>
    </message>
    <message>
        <source>Open &amp;Backup...</source>
        <translation>打开备份(&amp;B)...</translation>
    </message>
    <message>
        <source>Open a copy kept of an image read from or written to the radio</source>
        <translation>打开从对讲机读取或写入对讲机时保留的数据备份</translation>
    </message>
    <message>
        <source>Co&amp;mpare With...</source>
        <translation>比较(&amp;M)...</translation>
    </message>
    <message>
        <source>Compare the active document with a file or a backup copy</source>
        <translation>将当前文档与文件或备份比较</translation>
    </message>
    <message>
        <source>&amp;Import CSV...</source>
        <translation>导入 CSV(&amp;I)...</translation>
    </message>
    <message>
        <source>Import channels from a CSV file into the active document</source>
        <translation>从 CSV 文件导入信道到当前文档</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>导出 CSV(&amp;E)...</translation>
    </message>
    <message>
        <source>Export the channel table of the active document to a CSV file</source>
        <translation>将当前文档的信道表导出为 CSV 文件</translation>
    </message>
    <message>
        <source>&amp;Find...	Ctrl+F</source>
        <translation>查找(&amp;F)...	Ctrl+F</translation>
    </message>
    <message>
        <source>Find a name, frequency or tone in the channel table</source>
        <translation>在信道表中查找名字、频率或信令</translation>
    </message>
    <message>
        <source>Check Channel &amp;Plan</source>
        <translation>检查信道表(&amp;P)</translation>
    </message>
    <message>
        <source>List the channels the radio refuses, repeated channels and names used twice</source>
        <translation>列出对讲机不接受的信道、重复的信道和重复的名字</translation>
    </message>
    <message>
        <source>&amp;Hide Empty Channels</source>
        <translation>隐藏空信道(&amp;H)</translation>
    </message>
    <message>
        <source>Show only the channels in use</source>
        <translation>只显示使用中的信道</translation>
    </message>
    <message>
        <source>Write to &amp;Several Radios...</source>
        <translation>写入多台对讲机(&amp;S)...</translation>
    </message>
    <message>
        <source>Write the document to one radio after another, each verified</source>
        <translation>把文档依次写入一台又一台对讲机，每台都校验</translation>
    </message>
    <message>
        <source>Save &amp;Link Log...</source>
        <translation>保存通讯记录(&amp;L)...</translation>
    </message>
    <message>
        <source>Save every byte of the latest transfer with the radio, to attach to a bug report</source>
        <translation>保存最近一次与对讲机传输的全部字节，以便附在问题报告中</translation>
    </message>
    <message>
        <source>Copy the top cell of the selection into the cells below</source>
        <translation>把所选区域顶端的单元格复制到其下方的单元格</translation>
    </message>
    <message>
        <source>Set the Tx frequency of the selected channels from their Rx frequency and an offset</source>
        <translation>由所选信道的接收频率加偏移设置其发射频率</translation>
    </message>
    <message>
        <source>Move the Rx and Tx frequencies of the selected channels by an amount</source>
        <translation>把所选信道的接收和发射频率平移一个量</translation>
    </message>
    <message>
        <source>Add a ready-made channel list into the free channels from the current row on</source>
        <translation>从当前行起把现成的信道列表添加到空闲信道</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>跟随系统(&amp;S)</translation>
    </message>
    <message>
        <source>Use the colours of the system</source>
        <translation>使用系统的颜色</translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation>浅色(&amp;L)</translation>
    </message>
    <message>
        <source>Use light colours</source>
        <translation>使用浅色</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>深色(&amp;D)</translation>
    </message>
    <message>
        <source>Use dark colours</source>
        <translation>使用深色</translation>
    </message>
    <message>
        <source>Th&amp;eme</source>
        <translation>主题(&amp;E)</translation>
    </message>
</context>
<context>
    <name>ImageFileCommands</name>
    <message>
        <source>Channel table CSV (*.csv)</source>
        <translation>信道表 CSV (*.csv)</translation>
    </message>
    <message>
        <source>Community CSV (*.csv)</source>
        <translation>通用格式 CSV (*.csv)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
    <message>
        <source>%1 is not a file that can be imported. Choose a CSV file.</source>
        <translation>%1 不是可以导入的文件。请选择一个 CSV 文件。</translation>
    </message>
    <message>
        <source>%1 is too large for a list of channels (%2 bytes). Choose a CSV file of at most 200 channels.</source>
        <translation>%1 太大，不像信道列表（%2 字节）。请选择最多含 200 个信道的 CSV 文件。</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>无法读取 %1：%2。</translation>
    </message>
    <message>
        <source>Link logs (*.log)</source>
        <translation>通讯记录 (*.log)</translation>
    </message>
    <message>
        <source>There is no link log yet: no transfer with the radio has run since the program started. Read or write the radio, then save the log of that transfer.</source>
        <translation>还没有通讯记录：程序启动以来尚未与对讲机传输过数据。请先读或写对讲机，然后再保存该次传输的记录。</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>Cannot create %1: %2.</source>
        <translation>无法创建 %1：%2。</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>无法读取 %1：%2。</translation>
    </message>
    <message>
        <source>%1 was not read: it is larger than %2 bytes, the most a settings file may have.</source>
        <translation>未读取 %1：它大于 %2 字节，超过设置文件允许的最大值。</translation>
    </message>
</context>
<context>
    <name>OpenRadioPort</name>
    <message>
        <source>the simulated radio is in use by another process (%1, process %2)</source>
        <translation>模拟对讲机正被另一个进程使用（%1，进程 %2）</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>文件夹 %1 不存在</translation>
    </message>
</context>
<context>
    <name>PortHolders</name>
    <message>
        <source>ModemManager tries every new serial device as a modem and lets go after a few seconds: try again, or stop it while you program (sudo systemctl stop ModemManager).</source>
        <translation>ModemManager 会把每个新串口当作调制解调器试探，几秒后释放：请重试，或在写频期间停止它（sudo systemctl stop ModemManager）。</translation>
    </message>
    <message>
        <source>brltty takes some USB serial cables for a braille display: unless you use one, remove it (sudo apt remove brltty) and plug the cable in again.</source>
        <translation>brltty 会把某些 USB 写频线当作盲文显示器：如果您不用盲文显示器，请卸载它（sudo apt remove brltty），然后重新插上写频线。</translation>
    </message>
    <message>
        <source>Another transfer with the radio is running: wait until it ends, or close that program.</source>
        <translation>另一个与对讲机的传输正在进行：请等它结束，或关闭那个程序。</translation>
    </message>
    <message>
        <source>Close that program and try again.</source>
        <translation>请关闭该程序后重试。</translation>
    </message>
    <message>
        <source>%1 (process %2)</source>
        <translation>%1（进程 %2）</translation>
    </message>
    <message>
        <source>%1 is in use by %2.</source>
        <translation>%1 正被 %2 使用。</translation>
    </message>
</context>
<context>
    <name>ProgramIni</name>
    <message>
        <source>cannot create the folder %1: %2</source>
        <translation>无法创建文件夹 %1：%2</translation>
    </message>
    <message>
        <source>cannot copy %1 to %2: %3</source>
        <translation>无法将 %1 复制到 %2：%3</translation>
    </message>
    <message>
        <source>no Program.ini was loaded</source>
        <translation>未载入 Program.ini</translation>
    </message>
    <message>
        <source>there is no folder for the user&apos;s settings (is HOME set?)</source>
        <translation>没有存放用户设置的文件夹（是否设置了 HOME？）</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 不是普通文件</translation>
    </message>
    <message>
        <source>%1 could not be written</source>
        <translation>无法写入 %1</translation>
    </message>
</context>
<context>
    <name>RecentFiles</name>
    <message>
        <source>The file &quot;%1&quot; no longer exists.
It was taken off the list of recent files.</source>
        <translation>文件“%1”已不存在。
已将其从最近的文件列表中删除。</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Out of range,please input again.</source>
        <translation>超出范围，请重新输入。</translation>
    </message>
    <message>
        <source>Communication Error,Please check all the connections and the radio power</source>
        <translation>通讯出错，请检查所有连接和对讲机电源</translation>
    </message>
    <message>
        <source>All data will be Cleared!</source>
        <translation>所有数据将被清除！</translation>
    </message>
    <message>
        <source>Could not Open the Port,Please check whether the Port are occupied or the device are ok</source>
        <translation>无法打开串口，请检查串口是否被占用或设备是否正常</translation>
    </message>
    <message>
        <source>Program Interrupt, Please reset the radio and try again</source>
        <translation>编程中断，请重新启动对讲机后再试</translation>
    </message>
    <message>
        <source>Error data Value, please input according the step value(6.25K/5k).</source>
        <translation>数据错误，请按步长（6.25K/5K）输入。</translation>
    </message>
    <message>
        <source>Caution</source>
        <translation>注意</translation>
    </message>
    <message>
        <source>Not a frequency: type the MHz with digits and a decimal point, as 146.525. The cell keeps what it held.</source>
        <translation>不是频率：请用数字和小数点输入兆赫数，例如 146.525。单元格保持原值。</translation>
    </message>
</context>
</TS>
