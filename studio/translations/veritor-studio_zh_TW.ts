<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en">
<context>
    <name>CheckProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Checking Part</source>
        <translation>正在檢查零件</translation>
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
        <translation>規則</translation>
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
        <translation>嚴重性</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>原因</translation>
    </message>
    <message>
        <source>&amp;Pick Pull...</source>
        <translation>由面指定開模方向(&amp;P)...</translation>
    </message>
    <message>
        <source>Findings:</source>
        <translation>檢查結果:</translation>
    </message>
    <message>
        <source>Not checked:</source>
        <translation>無法檢查的規則:</translation>
    </message>
    <message>
        <source>Click a face in the view: its normal, or the axis of a round face, becomes the pull to check the part with again</source>
        <translation>在檢視中按一下某個面：以該面的法向（迴轉面取其軸線）作為開模方向，重新檢查零件。</translation>
    </message>
    <message>
        <source>&amp;Save Report...</source>
        <translation>儲存報告(&amp;S)...</translation>
    </message>
    <message>
        <source>Check Results - %1</source>
        <translation>檢查結果 - %1</translation>
    </message>
    <message>
        <source>Part: %1    Units: %2</source>
        <translation>零件：%1    單位：%2</translation>
    </message>
    <message>
        <source>Save Check Report</source>
        <translation>儲存檢查報告</translation>
    </message>
    <message>
        <source>HTML report (*.html);;JSON, as the check command writes it (*.json)</source>
        <translation>HTML 報告 (*.html);;JSON，與 check 指令輸出的格式相同 (*.json)</translation>
    </message>
</context>
<context>
    <name>DocumentStatusBar</name>
    <message>
        <source>1 rule</source>
        <translation>1 條規則</translation>
    </message>
    <message>
        <source>%1 rules</source>
        <translation>%1 條規則</translation>
    </message>
</context>
<context>
    <name>FaceColours</name>
    <message>
        <source>Very low</source>
        <translation>極低</translation>
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
        <translation>極高</translation>
    </message>
    <message>
        <source>Cavity side</source>
        <translation>母模側</translation>
    </message>
    <message>
        <source>Core side</source>
        <translation>公模側</translation>
    </message>
    <message>
        <source>Parting line</source>
        <translation>分模線</translation>
    </message>
    <message>
        <source>Passes</source>
        <translation>通過</translation>
    </message>
    <message>
        <source>Not reached by either half</source>
        <translation>公母模皆無法脫出的面</translation>
    </message>
    <message>
        <source>Undercut (outlined)</source>
        <translation>倒勾（以輪廓標示）</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Back</source>
        <translation>上一頁</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>下一頁</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>目錄</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>No help is available: the help file %1 does not exist or cannot be read.</source>
        <translation>無法顯示說明：說明檔 %1 不存在或無法讀取。</translation>
    </message>
    <message>
        <source>The help file %1 has no page %2.</source>
        <translation>說明檔 %1 中沒有頁面 %2。</translation>
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
        <translation>沒有檢查結果。</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>規則</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>實體</translation>
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
        <translation>嚴重性</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Not checked</source>
        <translation>無法檢查的規則</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>原因</translation>
    </message>
    <message>
        <source>Figures</source>
        <translation>量測值</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>項目</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>The checked part</source>
        <translation>已檢查的零件</translation>
    </message>
    <message>
        <source>Part check: %1</source>
        <translation>零件檢查：%1</translation>
    </message>
    <message>
        <source>Part</source>
        <translation>零件</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>單位</translation>
    </message>
    <message>
        <source>Pull</source>
        <translation>開模方向</translation>
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
        <translation>檢查結果</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Length unit:</source>
        <translation>長度單位:</translation>
    </message>
    <message>
        <source>Angle unit:</source>
        <translation>角度單位:</translation>
    </message>
    <message>
        <source>Filter names and descriptions</source>
        <translation>依名稱與說明篩選</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>篩選(&amp;F):</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>編輯 %1</translation>
    </message>
    <message>
        <source>Rule edited: %1</source>
        <translation>已編輯規則：%1</translation>
    </message>
    <message>
        <source>Values would be rounded away</source>
        <translation>數值將被捨入</translation>
    </message>
    <message>
        <source>%1 value(s) would be rounded away in the new units, which keep six decimals. Convert anyway?</source>
        <translation>新單位下數值保留六位小數，將有 %1 個數值被捨入。仍要轉換嗎？</translation>
    </message>
    <message>
        <source>Units %1</source>
        <translation>單位改為 %1</translation>
    </message>
    <message>
        <source>Units changed to %1</source>
        <translation>單位已改為 %1</translation>
    </message>
    <message>
        <source>%1 has been changed on disk by someone else, and this window holds unsaved changes to it. Reload it from disk and discard them?</source>
        <translation>%1 已被他人在磁碟上修改，而此視窗中有尚未儲存的變更。要從磁碟重新載入並捨棄這些變更嗎？</translation>
    </message>
    <message>
        <source>%1 has been changed on disk by someone else. Reload it?</source>
        <translation>%1 已被他人在磁碟上修改。要重新載入嗎？</translation>
    </message>
    <message>
        <source>Document changed on disk</source>
        <translation>磁碟上的文件已變更</translation>
    </message>
    <message>
        <source>Changed on disk, not reloaded</source>
        <translation>磁碟上的文件已變更，未重新載入</translation>
    </message>
    <message>
        <source>Reloaded %1</source>
        <translation>已重新載入 %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>檔案(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New Moulding Document</source>
        <translation>新增成型文件(&amp;N)</translation>
    </message>
    <message>
        <source>New &amp;Casting Document</source>
        <translation>新增鑄造文件(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>開啟(&amp;O)...</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>最近開啟的檔案(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>儲存(&amp;S)</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>另存新檔(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>結束(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編輯(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>復原(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>取消復原(&amp;R)</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>已復原：%1</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation>已取消復原：%1</translation>
    </message>
    <message>
        <source>&amp;Edit Rule...</source>
        <translation>編輯規則(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Find Rules</source>
        <translation>尋找規則(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>檢查(&amp;C)</translation>
    </message>
    <message>
        <source>Check &amp;Part...</source>
        <translation>檢查零件(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>說明(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>目錄(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About veritor-studio</source>
        <translation>關於 veritor-studio(&amp;A)</translation>
    </message>
    <message>
        <source>About veritor-studio</source>
        <translation>關於 veritor-studio</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;veritor-studio %1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;The desktop editor of the design rules for moulded and cast parts: rule documents, their dialogs, and parts checked against them.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;veritor-studio %1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;成型件與鑄件設計規則的桌面編輯器：編輯規則文件及其對話方塊，並依規則檢查零件。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Check &amp;Part with This Document...</source>
        <translation>以此文件檢查零件(&amp;P)...</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>已開啟 %1</translation>
    </message>
    <message>
        <source>New casting document</source>
        <translation>新增鑄造文件</translation>
    </message>
    <message>
        <source>New moulding document</source>
        <translation>新增成型文件</translation>
    </message>
    <message>
        <source>%1 has been changed by someone else since it was opened. Overwrite it with this document?</source>
        <translation>%1 在開啟後已被他人修改。要以此文件覆寫嗎？</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>已儲存 %1</translation>
    </message>
    <message>
        <source>pull direction &quot;%1&quot;: give it as X,Y,Z, not all zero</source>
        <translation>開模方向「%1」：請以 X,Y,Z 三個數值指定，且不可全為 0</translation>
    </message>
    <message>
        <source>Checking %1...</source>
        <translation>正在檢查 %1...</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>未儲存的變更</translation>
    </message>
    <message>
        <source>%1 has unsaved changes. Save them?</source>
        <translation>%1 有未儲存的變更。要儲存嗎？</translation>
    </message>
    <message>
        <source>Open Rule Document</source>
        <translation>開啟規則文件</translation>
    </message>
    <message>
        <source>Rule documents (*.xml);;All files (*)</source>
        <translation>規則文件 (*.xml);;所有檔案 (*)</translation>
    </message>
    <message>
        <source>Save Rule Document</source>
        <translation>儲存規則文件</translation>
    </message>
</context>
<context>
    <name>PartCheckDialog</name>
    <message>
        <source>Check Part</source>
        <translation>檢查零件</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>瀏覽(&amp;B)...</translation>
    </message>
    <message>
        <source>&amp;Part file:</source>
        <translation>零件檔案(&amp;P):</translation>
    </message>
    <message>
        <source>STL &amp;length unit:</source>
        <translation>STL 長度單位(&amp;L):</translation>
    </message>
    <message>
        <source>P&amp;ull direction (X,Y,Z or axis):</source>
        <translation>開模方向（X,Y,Z 或座標軸）(&amp;U):</translation>
    </message>
    <message>
        <source>The pull direction &quot;%1&quot; cannot be used: type three numbers X,Y,Z, not all zero (such as 0,0,1), or choose an axis.</source>
        <translation>無法使用開模方向「%1」：請輸入三個不全為 0 的數值 X,Y,Z（如 0,0,1），或選擇一個座標軸。</translation>
    </message>
    <message>
        <source>Part to Check</source>
        <translation>要檢查的零件</translation>
    </message>
    <message>
        <source>Parts (*.step *.stp *.iges *.igs *.stl);;All files (*)</source>
        <translation>零件 (*.step *.stp *.iges *.igs *.stl);;所有檔案 (*)</translation>
    </message>
</context>
<context>
    <name>PartView</name>
    <message>
        <source>The 3D view needs an X display with OpenGL; Qt runs on the &quot;%1&quot; platform.</source>
        <translation>3D 檢視需要支援 OpenGL 的 X 顯示器；Qt 目前在「%1」平台上執行。</translation>
    </message>
    <message>
        <source>OpenGL could not start: %1</source>
        <translation>無法啟動 OpenGL：%1</translation>
    </message>
</context>
<context>
    <name>PartViewPanel</name>
    <message>
        <source>Along pull</source>
        <translation>沿開模方向</translation>
    </message>
    <message>
        <source>Look down the pull at the cavity side</source>
        <translation>沿開模方向俯視母模側</translation>
    </message>
    <message>
        <source>Against pull</source>
        <translation>逆開模方向</translation>
    </message>
    <message>
        <source>Look up the pull at the core side</source>
        <translation>逆開模方向仰視公模側</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>前視</translation>
    </message>
    <message>
        <source>Look across the pull</source>
        <translation>從垂直於開模方向的方向檢視</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>側視</translation>
    </message>
    <message>
        <source>Look across the pull, square to the front</source>
        <translation>從垂直於開模方向且垂直於前視方向的方向檢視</translation>
    </message>
    <message>
        <source>Corner</source>
        <translation>上方斜視</translation>
    </message>
    <message>
        <source>Look from a corner above</source>
        <translation>從上方斜角檢視</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>下方斜視</translation>
    </message>
    <message>
        <source>Look from a corner below, into the part</source>
        <translation>從下方斜角檢視零件內部</translation>
    </message>
    <message>
        <source>Core and cavity sides</source>
        <translation>公模側與母模側</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>全部顯示</translation>
    </message>
</context>
<context>
    <name>RulesTableModel</name>
    <message>
        <source>Name</source>
        <translation>名稱</translation>
    </message>
    <message>
        <source>Display name</source>
        <translation>顯示名稱</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>嚴重性</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>描述</translation>
    </message>
</context>
</TS>
