<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>CheckProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Checking Part</source>
        <translation>正在检查零件</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>正在取消...</translation>
    </message>
</context>
<context>
    <name>CheckResultsWindow</name>
    <message>
        <source>Rule</source>
        <translation>规则</translation>
    </message>
    <message>
        <source>Face</source>
        <translation>面</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>值</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>限值</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>严重程度</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>原因</translation>
    </message>
    <message>
        <source>&amp;Pick Pull...</source>
        <translation>由面指定开模方向(&amp;P)...</translation>
    </message>
    <message>
        <source>Findings:</source>
        <translation>检查结果:</translation>
    </message>
    <message>
        <source>Not checked:</source>
        <translation>未能检查的规则:</translation>
    </message>
    <message>
        <source>Click a face in the view: its normal, or the axis of a round face, becomes the pull to check the part with again</source>
        <translation>在视图中单击一个面：以该面的法向（回转面取其轴线）作为开模方向，重新检查零件。</translation>
    </message>
    <message>
        <source>&amp;Save Report...</source>
        <translation>保存报告(&amp;S)...</translation>
    </message>
    <message>
        <source>Check Results - %1</source>
        <translation>检查结果 - %1</translation>
    </message>
    <message>
        <source>Part: %1    Units: %2</source>
        <translation>零件：%1    单位：%2</translation>
    </message>
    <message>
        <source>Save Check Report</source>
        <translation>保存检查报告</translation>
    </message>
    <message>
        <source>HTML report (*.html);;JSON, as the check command writes it (*.json)</source>
        <translation>HTML 报告 (*.html);;JSON，与 check 命令输出的格式相同 (*.json)</translation>
    </message>
</context>
<context>
    <name>DocumentStatusBar</name>
    <message>
        <source>1 rule</source>
        <translation>1 条规则</translation>
    </message>
    <message>
        <source>%1 rules</source>
        <translation>%1 条规则</translation>
    </message>
</context>
<context>
    <name>FaceColours</name>
    <message>
        <source>Very low</source>
        <translation>很低</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>低</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>中</translation>
    </message>
    <message>
        <source>High</source>
        <translation>高</translation>
    </message>
    <message>
        <source>Very high</source>
        <translation>很高</translation>
    </message>
    <message>
        <source>Cavity side</source>
        <translation>型腔侧</translation>
    </message>
    <message>
        <source>Core side</source>
        <translation>型芯侧</translation>
    </message>
    <message>
        <source>Parting line</source>
        <translation>分型线</translation>
    </message>
    <message>
        <source>Passes</source>
        <translation>通过</translation>
    </message>
    <message>
        <source>Not reached by either half</source>
        <translation>两侧模具均无法脱出的面</translation>
    </message>
    <message>
        <source>Undercut (outlined)</source>
        <translation>倒扣（轮廓标出）</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Back</source>
        <translation>后退</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>前进</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>目录</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>No help is available: the help file %1 does not exist or cannot be read.</source>
        <translation>无法显示帮助：帮助文件 %1 不存在或无法读取。</translation>
    </message>
    <message>
        <source>The help file %1 has no page %2.</source>
        <translation>帮助文件 %1 中没有页面 %2。</translation>
    </message>
</context>
<context>
    <name>HtmlReport</name>
    <message>
        <source> at </source>
        <translation>，位置 </translation>
    </message>
    <message>
        <source>No findings.</source>
        <translation>没有检查结果。</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>规则</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>实体</translation>
    </message>
    <message>
        <source>Face</source>
        <translation>面</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>值</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>限值</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>严重程度</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Not checked</source>
        <translation>未能检查的规则</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>原因</translation>
    </message>
    <message>
        <source>Figures</source>
        <translation>测量值</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>项目</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>The checked part</source>
        <translation>已检查的零件</translation>
    </message>
    <message>
        <source>Part check: %1</source>
        <translation>零件检查：%1</translation>
    </message>
    <message>
        <source>Part</source>
        <translation>零件</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>单位</translation>
    </message>
    <message>
        <source>Pull</source>
        <translation>开模方向</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>外形尺寸</translation>
    </message>
    <message>
        <source> to </source>
        <translation> 至 </translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>检查结果</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Length unit:</source>
        <translation>长度单位:</translation>
    </message>
    <message>
        <source>Angle unit:</source>
        <translation>角度单位:</translation>
    </message>
    <message>
        <source>Filter names and descriptions</source>
        <translation>按名称和说明筛选</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>筛选(&amp;F):</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>编辑 %1</translation>
    </message>
    <message>
        <source>Rule edited: %1</source>
        <translation>已编辑规则：%1</translation>
    </message>
    <message>
        <source>Values would be rounded away</source>
        <translation>数值将被舍入</translation>
    </message>
    <message>
        <source>%1 value(s) would be rounded away in the new units, which keep six decimals. Convert anyway?</source>
        <translation>新单位下数值保留六位小数，将有 %1 个数值被舍入。仍要转换吗？</translation>
    </message>
    <message>
        <source>Units %1</source>
        <translation>单位改为 %1</translation>
    </message>
    <message>
        <source>Units changed to %1</source>
        <translation>单位已改为 %1</translation>
    </message>
    <message>
        <source>%1 has been changed on disk by someone else, and this window holds unsaved changes to it. Reload it from disk and discard them?</source>
        <translation>%1 已被他人在磁盘上修改，而本窗口中有尚未保存的修改。要从磁盘重新载入并放弃这些修改吗？</translation>
    </message>
    <message>
        <source>%1 has been changed on disk by someone else. Reload it?</source>
        <translation>%1 已被他人在磁盘上修改。要重新载入吗？</translation>
    </message>
    <message>
        <source>Document changed on disk</source>
        <translation>磁盘上的文档已更改</translation>
    </message>
    <message>
        <source>Changed on disk, not reloaded</source>
        <translation>磁盘上的文档已更改，未重新载入</translation>
    </message>
    <message>
        <source>Reloaded %1</source>
        <translation>已重新载入 %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New Moulding Document</source>
        <translation>新建模塑文档(&amp;N)</translation>
    </message>
    <message>
        <source>New &amp;Casting Document</source>
        <translation>新建铸造文档(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>打开(&amp;O)...</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>最近打开(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>另存为(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>已撤销：%1</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation>已重做：%1</translation>
    </message>
    <message>
        <source>&amp;Edit Rule...</source>
        <translation>编辑规则(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Find Rules</source>
        <translation>查找规则(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>检查(&amp;C)</translation>
    </message>
    <message>
        <source>Check &amp;Part...</source>
        <translation>检查零件(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>目录(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About veritor-studio</source>
        <translation>关于 veritor-studio(&amp;A)</translation>
    </message>
    <message>
        <source>About veritor-studio</source>
        <translation>关于 veritor-studio</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;veritor-studio %1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;The desktop editor of the design rules for moulded and cast parts: rule documents, their dialogs, and parts checked against them.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;veritor-studio %1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;模塑件和铸件设计规则的桌面编辑器：编辑规则文档及其对话框，并按规则检查零件。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Check &amp;Part with This Document...</source>
        <translation>用此文档检查零件(&amp;P)...</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>已打开 %1</translation>
    </message>
    <message>
        <source>New casting document</source>
        <translation>新建铸造文档</translation>
    </message>
    <message>
        <source>New moulding document</source>
        <translation>新建模塑文档</translation>
    </message>
    <message>
        <source>%1 has been changed by someone else since it was opened. Overwrite it with this document?</source>
        <translation>%1 在打开后已被他人修改。要用此文档覆盖吗？</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>已保存 %1</translation>
    </message>
    <message>
        <source>pull direction &quot;%1&quot;: give it as X,Y,Z, not all zero</source>
        <translation>开模方向“%1”：请以 X,Y,Z 三个数值给出，且不能全为 0</translation>
    </message>
    <message>
        <source>Checking %1...</source>
        <translation>正在检查 %1...</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>未保存的修改</translation>
    </message>
    <message>
        <source>%1 has unsaved changes. Save them?</source>
        <translation>%1 有未保存的修改。要保存吗？</translation>
    </message>
    <message>
        <source>Open Rule Document</source>
        <translation>打开规则文档</translation>
    </message>
    <message>
        <source>Rule documents (*.xml);;All files (*)</source>
        <translation>规则文档 (*.xml);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Save Rule Document</source>
        <translation>保存规则文档</translation>
    </message>
</context>
<context>
    <name>PartCheckDialog</name>
    <message>
        <source>Check Part</source>
        <translation>检查零件</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>浏览(&amp;B)...</translation>
    </message>
    <message>
        <source>&amp;Part file:</source>
        <translation>零件文件(&amp;P):</translation>
    </message>
    <message>
        <source>STL &amp;length unit:</source>
        <translation>STL 长度单位(&amp;L):</translation>
    </message>
    <message>
        <source>P&amp;ull direction (X,Y,Z or axis):</source>
        <translation>开模方向（X,Y,Z 或坐标轴）(&amp;U):</translation>
    </message>
    <message>
        <source>The pull direction &quot;%1&quot; cannot be used: type three numbers X,Y,Z, not all zero (such as 0,0,1), or choose an axis.</source>
        <translation>无法使用开模方向“%1”：请输入三个不全为 0 的数值 X,Y,Z（如 0,0,1），或选择一个坐标轴。</translation>
    </message>
    <message>
        <source>Part to Check</source>
        <translation>要检查的零件</translation>
    </message>
    <message>
        <source>Parts (*.step *.stp *.iges *.igs *.stl);;All files (*)</source>
        <translation>零件 (*.step *.stp *.iges *.igs *.stl);;所有文件 (*)</translation>
    </message>
</context>
<context>
    <name>PartView</name>
    <message>
        <source>The 3D view needs an X display with OpenGL; Qt runs on the &quot;%1&quot; platform.</source>
        <translation>三维视图需要支持 OpenGL 的 X 显示；Qt 当前运行在“%1”平台上。</translation>
    </message>
    <message>
        <source>OpenGL could not start: %1</source>
        <translation>无法启动 OpenGL：%1</translation>
    </message>
</context>
<context>
    <name>PartViewPanel</name>
    <message>
        <source>Along pull</source>
        <translation>沿开模方向</translation>
    </message>
    <message>
        <source>Look down the pull at the cavity side</source>
        <translation>沿开模方向俯视型腔侧</translation>
    </message>
    <message>
        <source>Against pull</source>
        <translation>逆开模方向</translation>
    </message>
    <message>
        <source>Look up the pull at the core side</source>
        <translation>逆开模方向仰视型芯侧</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>正视</translation>
    </message>
    <message>
        <source>Look across the pull</source>
        <translation>从垂直于开模方向的方向观察</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>侧视</translation>
    </message>
    <message>
        <source>Look across the pull, square to the front</source>
        <translation>从垂直于开模方向且垂直于正视方向的方向观察</translation>
    </message>
    <message>
        <source>Corner</source>
        <translation>上方斜视</translation>
    </message>
    <message>
        <source>Look from a corner above</source>
        <translation>从上方斜角观察</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>下方斜视</translation>
    </message>
    <message>
        <source>Look from a corner below, into the part</source>
        <translation>从下方斜角观察零件内部</translation>
    </message>
    <message>
        <source>Core and cavity sides</source>
        <translation>型芯侧和型腔侧</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>全部显示</translation>
    </message>
</context>
<context>
    <name>RulesTableModel</name>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Display name</source>
        <translation>显示名称</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>严重程度</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>说明</translation>
    </message>
</context>
</TS>
