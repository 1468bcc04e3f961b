<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>CheckProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Checking Part</source>
        <translation>製品のチェック中</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>キャンセルしています...</translation>
    </message>
</context>
<context>
    <name>CheckResultsWindow</name>
    <message>
        <source>Rule</source>
        <translation>ルール</translation>
    </message>
    <message>
        <source>Face</source>
        <translation>面</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>値</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>基準値</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>重大度</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>理由</translation>
    </message>
    <message>
        <source>&amp;Pick Pull...</source>
        <translation>抜き方向を面から指定(&amp;P)...</translation>
    </message>
    <message>
        <source>Findings:</source>
        <translation>検出結果:</translation>
    </message>
    <message>
        <source>Not checked:</source>
        <translation>チェックできなかったルール:</translation>
    </message>
    <message>
        <source>Click a face in the view: its normal, or the axis of a round face, becomes the pull to check the part with again</source>
        <translation>ビューで面をクリックしてください。その面の法線（円筒面などの回転面ではその軸）を抜き方向として製品をもう一度チェックします。</translation>
    </message>
    <message>
        <source>&amp;Save Report...</source>
        <translation>レポートを保存(&amp;S)...</translation>
    </message>
    <message>
        <source>Check Results - %1</source>
        <translation>チェック結果 - %1</translation>
    </message>
    <message>
        <source>Part: %1    Units: %2</source>
        <translation>製品：%1    単位：%2</translation>
    </message>
    <message>
        <source>Save Check Report</source>
        <translation>チェックレポートの保存</translation>
    </message>
    <message>
        <source>HTML report (*.html);;JSON, as the check command writes it (*.json)</source>
        <translation>HTML レポート (*.html);;JSON（check コマンドと同じ形式）(*.json)</translation>
    </message>
</context>
<context>
    <name>DocumentStatusBar</name>
    <message>
        <source>1 rule</source>
        <translation>ルール 1 件</translation>
    </message>
    <message>
        <source>%1 rules</source>
        <translation>ルール %1 件</translation>
    </message>
</context>
<context>
    <name>FaceColours</name>
    <message>
        <source>Very low</source>
        <translation>非常に低い</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>低い</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>中</translation>
    </message>
    <message>
        <source>High</source>
        <translation>高い</translation>
    </message>
    <message>
        <source>Very high</source>
        <translation>非常に高い</translation>
    </message>
    <message>
        <source>Cavity side</source>
        <translation>キャビティ側</translation>
    </message>
    <message>
        <source>Core side</source>
        <translation>コア側</translation>
    </message>
    <message>
        <source>Parting line</source>
        <translation>パーティングライン</translation>
    </message>
    <message>
        <source>Passes</source>
        <translation>合格</translation>
    </message>
    <message>
        <source>Not reached by either half</source>
        <translation>どちらの型からも抜けない面</translation>
    </message>
    <message>
        <source>Undercut (outlined)</source>
        <translation>アンダーカット（輪郭表示）</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>進む</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>目次</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>No help is available: the help file %1 does not exist or cannot be read.</source>
        <translation>ヘルプを表示できません。ヘルプファイル %1 が存在しないか、読み込めません。</translation>
    </message>
    <message>
        <source>The help file %1 has no page %2.</source>
        <translation>ヘルプファイル %1 にページ %2 がありません。</translation>
    </message>
</context>
<context>
    <name>HtmlReport</name>
    <message>
        <source> at </source>
        <translation>、位置 </translation>
    </message>
    <message>
        <source>No findings.</source>
        <translation>検出結果はありません。</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>ルール</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>ソリッド</translation>
    </message>
    <message>
        <source>Face</source>
        <translation>面</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>値</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>基準値</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>重大度</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Not checked</source>
        <translation>チェックできなかったルール</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>理由</translation>
    </message>
    <message>
        <source>Figures</source>
        <translation>計測値</translation>
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
        <translation>チェックした製品</translation>
    </message>
    <message>
        <source>Part check: %1</source>
        <translation>製品のチェック：%1</translation>
    </message>
    <message>
        <source>Part</source>
        <translation>製品</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>単位</translation>
    </message>
    <message>
        <source>Pull</source>
        <translation>抜き方向</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>外形寸法</translation>
    </message>
    <message>
        <source> to </source>
        <translation> ～ </translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>検出結果</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Length unit:</source>
        <translation>長さの単位:</translation>
    </message>
    <message>
        <source>Angle unit:</source>
        <translation>角度の単位:</translation>
    </message>
    <message>
        <source>Filter names and descriptions</source>
        <translation>ルール名と説明で絞り込み</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>絞り込み(&amp;F):</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>%1 の編集</translation>
    </message>
    <message>
        <source>Rule edited: %1</source>
        <translation>ルールを編集しました：%1</translation>
    </message>
    <message>
        <source>Values would be rounded away</source>
        <translation>値が丸められます</translation>
    </message>
    <message>
        <source>%1 value(s) would be rounded away in the new units, which keep six decimals. Convert anyway?</source>
        <translation>新しい単位では値を小数点以下 6 桁で保持するため、%1 個の値が丸められます。それでも変換しますか？</translation>
    </message>
    <message>
        <source>Units %1</source>
        <translation>単位を %1 に変更</translation>
    </message>
    <message>
        <source>Units changed to %1</source>
        <translation>単位を %1 に変更しました</translation>
    </message>
    <message>
        <source>%1 has been changed on disk by someone else, and this window holds unsaved changes to it. Reload it from disk and discard them?</source>
        <translation>%1 はほかのユーザーによってディスク上で変更されました。このウィンドウには保存していない変更があります。ディスクから読み込み直して、変更を破棄しますか？</translation>
    </message>
    <message>
        <source>%1 has been changed on disk by someone else. Reload it?</source>
        <translation>%1 はほかのユーザーによってディスク上で変更されました。読み込み直しますか？</translation>
    </message>
    <message>
        <source>Document changed on disk</source>
        <translation>ディスク上のドキュメントが変更されました</translation>
    </message>
    <message>
        <source>Changed on disk, not reloaded</source>
        <translation>ディスク上で変更されましたが、読み込み直していません</translation>
    </message>
    <message>
        <source>Reloaded %1</source>
        <translation>%1 を読み込み直しました</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New Moulding Document</source>
        <translation>新規成形ドキュメント(&amp;N)</translation>
    </message>
    <message>
        <source>New &amp;Casting Document</source>
        <translation>新規鋳造ドキュメント(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>開く(&amp;O)...</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>最近使ったファイル(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>上書き保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>名前を付けて保存(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>やり直し(&amp;R)</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>元に戻しました：%1</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation>やり直しました：%1</translation>
    </message>
    <message>
        <source>&amp;Edit Rule...</source>
        <translation>ルールの編集(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Find Rules</source>
        <translation>ルールの検索(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>チェック(&amp;C)</translation>
    </message>
    <message>
        <source>Check &amp;Part...</source>
        <translation>製品のチェック(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>目次(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About veritor-studio</source>
        <translation>veritor-studio について(&amp;A)</translation>
    </message>
    <message>
        <source>About veritor-studio</source>
        <translation>veritor-studio について</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;veritor-studio %1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;The desktop editor of the design rules for moulded and cast parts: rule documents, their dialogs, and parts checked against them.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;veritor-studio %1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;成形品・鋳造品の設計ルールを編集するデスクトップエディターです。ルールドキュメントとそのダイアログを扱い、製品をルールに照らしてチェックします。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Check &amp;Part with This Document...</source>
        <translation>このドキュメントで製品をチェック(&amp;P)...</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>%1 を開きました</translation>
    </message>
    <message>
        <source>New casting document</source>
        <translation>新規鋳造ドキュメント</translation>
    </message>
    <message>
        <source>New moulding document</source>
        <translation>新規成形ドキュメント</translation>
    </message>
    <message>
        <source>%1 has been changed by someone else since it was opened. Overwrite it with this document?</source>
        <translation>%1 は開いた後にほかのユーザーによって変更されました。このドキュメントで上書きしますか？</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 を保存しました</translation>
    </message>
    <message>
        <source>pull direction &quot;%1&quot;: give it as X,Y,Z, not all zero</source>
        <translation>抜き方向「%1」：X,Y,Z の 3 つの数値で指定してください（すべて 0 は不可）</translation>
    </message>
    <message>
        <source>Checking %1...</source>
        <translation>%1 をチェックしています...</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>保存していない変更</translation>
    </message>
    <message>
        <source>%1 has unsaved changes. Save them?</source>
        <translation>%1 には保存していない変更があります。保存しますか？</translation>
    </message>
    <message>
        <source>Open Rule Document</source>
        <translation>ルールドキュメントを開く</translation>
    </message>
    <message>
        <source>Rule documents (*.xml);;All files (*)</source>
        <translation>ルールドキュメント (*.xml);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Save Rule Document</source>
        <translation>ルールドキュメントの保存</translation>
    </message>
</context>
<context>
    <name>PartCheckDialog</name>
    <message>
        <source>Check Part</source>
        <translation>製品のチェック</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>参照(&amp;B)...</translation>
    </message>
    <message>
        <source>&amp;Part file:</source>
        <translation>製品ファイル(&amp;P):</translation>
    </message>
    <message>
        <source>STL &amp;length unit:</source>
        <translation>STL の長さの単位(&amp;L):</translation>
    </message>
    <message>
        <source>P&amp;ull direction (X,Y,Z or axis):</source>
        <translation>抜き方向（X,Y,Z または軸）(&amp;U):</translation>
    </message>
    <message>
        <source>The pull direction &quot;%1&quot; cannot be used: type three numbers X,Y,Z, not all zero (such as 0,0,1), or choose an axis.</source>
        <translation>抜き方向「%1」は使えません。X,Y,Z の 3 つの数値（すべて 0 は不可、例：0,0,1）を入力するか、軸を選んでください。</translation>
    </message>
    <message>
        <source>Part to Check</source>
        <translation>チェックする製品</translation>
    </message>
    <message>
        <source>Parts (*.step *.stp *.iges *.igs *.stl);;All files (*)</source>
        <translation>製品 (*.step *.stp *.iges *.igs *.stl);;すべてのファイル (*)</translation>
    </message>
</context>
<context>
    <name>PartView</name>
    <message>
        <source>The 3D view needs an X display with OpenGL; Qt runs on the &quot;%1&quot; platform.</source>
        <translation>3D ビューには OpenGL が使える X ディスプレイが必要です。Qt は「%1」プラットフォームで動作しています。</translation>
    </message>
    <message>
        <source>OpenGL could not start: %1</source>
        <translation>OpenGL を開始できませんでした：%1</translation>
    </message>
</context>
<context>
    <name>PartViewPanel</name>
    <message>
        <source>Along pull</source>
        <translation>抜き方向から</translation>
    </message>
    <message>
        <source>Look down the pull at the cavity side</source>
        <translation>抜き方向に沿ってキャビティ側を見下ろします</translation>
    </message>
    <message>
        <source>Against pull</source>
        <translation>抜き方向の逆から</translation>
    </message>
    <message>
        <source>Look up the pull at the core side</source>
        <translation>抜き方向と逆向きにコア側を見上げます</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>正面</translation>
    </message>
    <message>
        <source>Look across the pull</source>
        <translation>抜き方向と直交する向きから見ます</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>側面</translation>
    </message>
    <message>
        <source>Look across the pull, square to the front</source>
        <translation>抜き方向と直交し、正面とも直交する向きから見ます</translation>
    </message>
    <message>
        <source>Corner</source>
        <translation>斜め上</translation>
    </message>
    <message>
        <source>Look from a corner above</source>
        <translation>斜め上の角から見ます</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>斜め下</translation>
    </message>
    <message>
        <source>Look from a corner below, into the part</source>
        <translation>斜め下の角から製品の内側を見ます</translation>
    </message>
    <message>
        <source>Core and cavity sides</source>
        <translation>コア側とキャビティ側</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>全体表示</translation>
    </message>
</context>
<context>
    <name>RulesTableModel</name>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Display name</source>
        <translation>表示名</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>重大度</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>説明</translation>
    </message>
</context>
</TS>
