<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="en">
<context>
    <name>CheckProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Checking Part</source>
        <translation>부품 검사 중</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>취소하는 중...</translation>
    </message>
</context>
<context>
    <name>CheckResultsWindow</name>
    <message>
        <source>Rule</source>
        <translation>규칙</translation>
    </message>
    <message>
        <source>Face</source>
        <translation>면</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>값</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>기준값</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>심각도</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>이유</translation>
    </message>
    <message>
        <source>&amp;Pick Pull...</source>
        <translation>면으로 이형 방향 지정(&amp;P)...</translation>
    </message>
    <message>
        <source>Findings:</source>
        <translation>검출 결과:</translation>
    </message>
    <message>
        <source>Not checked:</source>
        <translation>검사하지 못한 규칙:</translation>
    </message>
    <message>
        <source>Click a face in the view: its normal, or the axis of a round face, becomes the pull to check the part with again</source>
        <translation>뷰에서 면을 클릭합니다. 그 면의 법선(원통면 같은 회전면은 그 축)을 이형 방향으로 하여 부품을 다시 검사합니다.</translation>
    </message>
    <message>
        <source>&amp;Save Report...</source>
        <translation>보고서 저장(&amp;S)...</translation>
    </message>
    <message>
        <source>Check Results - %1</source>
        <translation>검사 결과 - %1</translation>
    </message>
    <message>
        <source>Part: %1    Units: %2</source>
        <translation>부품: %1    단위: %2</translation>
    </message>
    <message>
        <source>Save Check Report</source>
        <translation>검사 보고서 저장</translation>
    </message>
    <message>
        <source>HTML report (*.html);;JSON, as the check command writes it (*.json)</source>
        <translation>HTML 보고서 (*.html);;JSON(check 명령과 같은 형식) (*.json)</translation>
    </message>
</context>
<context>
    <name>DocumentStatusBar</name>
    <message>
        <source>1 rule</source>
        <translation>규칙 1개</translation>
    </message>
    <message>
        <source>%1 rules</source>
        <translation>규칙 %1개</translation>
    </message>
</context>
<context>
    <name>FaceColours</name>
    <message>
        <source>Very low</source>
        <translation>매우 낮음</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>낮음</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>보통</translation>
    </message>
    <message>
        <source>High</source>
        <translation>높음</translation>
    </message>
    <message>
        <source>Very high</source>
        <translation>매우 높음</translation>
    </message>
    <message>
        <source>Cavity side</source>
        <translation>캐비티 측</translation>
    </message>
    <message>
        <source>Core side</source>
        <translation>코어 측</translation>
    </message>
    <message>
        <source>Parting line</source>
        <translation>파팅 라인</translation>
    </message>
    <message>
        <source>Passes</source>
        <translation>통과</translation>
    </message>
    <message>
        <source>Not reached by either half</source>
        <translation>어느 쪽 금형에서도 이형되지 않는 면</translation>
    </message>
    <message>
        <source>Undercut (outlined)</source>
        <translation>언더컷(윤곽선 표시)</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>앞으로</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>목차</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>No help is available: the help file %1 does not exist or cannot be read.</source>
        <translation>도움말을 표시할 수 없습니다. 도움말 파일 %1이(가) 없거나 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>The help file %1 has no page %2.</source>
        <translation>도움말 파일 %1에 %2 페이지가 없습니다.</translation>
    </message>
</context>
<context>
    <name>HtmlReport</name>
    <message>
        <source> at </source>
        <translation>, 위치 </translation>
    </message>
    <message>
        <source>No findings.</source>
        <translation>검출 결과가 없습니다.</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>규칙</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>솔리드</translation>
    </message>
    <message>
        <source>Face</source>
        <translation>면</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>값</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>기준값</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>심각도</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>위치</translation>
    </message>
    <message>
        <source>Not checked</source>
        <translation>검사하지 못한 규칙</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>이유</translation>
    </message>
    <message>
        <source>Figures</source>
        <translation>측정값</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>항목</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>경고</translation>
    </message>
    <message>
        <source>The checked part</source>
        <translation>검사한 부품</translation>
    </message>
    <message>
        <source>Part check: %1</source>
        <translation>부품 검사: %1</translation>
    </message>
    <message>
        <source>Part</source>
        <translation>부품</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>단위</translation>
    </message>
    <message>
        <source>Pull</source>
        <translation>이형 방향</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>외형 치수</translation>
    </message>
    <message>
        <source> to </source>
        <translation> ~ </translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>검출 결과</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Length unit:</source>
        <translation>길이 단위:</translation>
    </message>
    <message>
        <source>Angle unit:</source>
        <translation>각도 단위:</translation>
    </message>
    <message>
        <source>Filter names and descriptions</source>
        <translation>이름과 설명으로 필터링</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>필터(&amp;F):</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>%1 편집</translation>
    </message>
    <message>
        <source>Rule edited: %1</source>
        <translation>규칙을 편집했습니다: %1</translation>
    </message>
    <message>
        <source>Values would be rounded away</source>
        <translation>값이 반올림됩니다</translation>
    </message>
    <message>
        <source>%1 value(s) would be rounded away in the new units, which keep six decimals. Convert anyway?</source>
        <translation>새 단위에서는 값을 소수점 이하 6자리로 보관하므로 값 %1개가 반올림됩니다. 그래도 변환하시겠습니까?</translation>
    </message>
    <message>
        <source>Units %1</source>
        <translation>단위를 %1(으)로 변경</translation>
    </message>
    <message>
        <source>Units changed to %1</source>
        <translation>단위를 %1(으)로 변경했습니다</translation>
    </message>
    <message>
        <source>%1 has been changed on disk by someone else, and this window holds unsaved changes to it. Reload it from disk and discard them?</source>
        <translation>다른 사용자가 디스크에서 %1을(를) 변경했으며, 이 창에는 저장하지 않은 변경 내용이 있습니다. 디스크에서 다시 읽고 변경 내용을 버리시겠습니까?</translation>
    </message>
    <message>
        <source>%1 has been changed on disk by someone else. Reload it?</source>
        <translation>다른 사용자가 디스크에서 %1을(를) 변경했습니다. 다시 읽으시겠습니까?</translation>
    </message>
    <message>
        <source>Document changed on disk</source>
        <translation>디스크에서 문서가 변경됨</translation>
    </message>
    <message>
        <source>Changed on disk, not reloaded</source>
        <translation>디스크에서 변경되었지만 다시 읽지 않았습니다</translation>
    </message>
    <message>
        <source>Reloaded %1</source>
        <translation>%1을(를) 다시 읽었습니다</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>파일(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New Moulding Document</source>
        <translation>새 성형 문서(&amp;N)</translation>
    </message>
    <message>
        <source>New &amp;Casting Document</source>
        <translation>새 주조 문서(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>열기(&amp;O)...</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>최근 파일 열기(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>저장(&amp;S)</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>다른 이름으로 저장(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>끝내기(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>편집(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>실행 취소(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>다시 실행(&amp;R)</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>실행을 취소했습니다: %1</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation>다시 실행했습니다: %1</translation>
    </message>
    <message>
        <source>&amp;Edit Rule...</source>
        <translation>규칙 편집(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Find Rules</source>
        <translation>규칙 찾기(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>검사(&amp;C)</translation>
    </message>
    <message>
        <source>Check &amp;Part...</source>
        <translation>부품 검사(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>도움말(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>목차(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About veritor-studio</source>
        <translation>veritor-studio 정보(&amp;A)</translation>
    </message>
    <message>
        <source>About veritor-studio</source>
        <translation>veritor-studio 정보</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;veritor-studio %1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;The desktop editor of the design rules for moulded and cast parts: rule documents, their dialogs, and parts checked against them.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;veritor-studio %1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;성형품과 주조품의 설계 규칙을 편집하는 데스크톱 편집기입니다. 규칙 문서와 그 대화 상자를 다루고, 부품을 규칙에 따라 검사합니다.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Check &amp;Part with This Document...</source>
        <translation>이 문서로 부품 검사(&amp;P)...</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>%1을(를) 열었습니다</translation>
    </message>
    <message>
        <source>New casting document</source>
        <translation>새 주조 문서</translation>
    </message>
    <message>
        <source>New moulding document</source>
        <translation>새 성형 문서</translation>
    </message>
    <message>
        <source>%1 has been changed by someone else since it was opened. Overwrite it with this document?</source>
        <translation>%1을(를) 연 뒤에 다른 사용자가 변경했습니다. 이 문서로 덮어쓰시겠습니까?</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1을(를) 저장했습니다</translation>
    </message>
    <message>
        <source>pull direction &quot;%1&quot;: give it as X,Y,Z, not all zero</source>
        <translation>이형 방향 &quot;%1&quot;: X,Y,Z 세 숫자로 지정합니다(모두 0이면 안 됩니다)</translation>
    </message>
    <message>
        <source>Checking %1...</source>
        <translation>%1을(를) 검사하는 중...</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>저장하지 않은 변경 내용</translation>
    </message>
    <message>
        <source>%1 has unsaved changes. Save them?</source>
        <translation>%1에 저장하지 않은 변경 내용이 있습니다. 저장하시겠습니까?</translation>
    </message>
    <message>
        <source>Open Rule Document</source>
        <translation>규칙 문서 열기</translation>
    </message>
    <message>
        <source>Rule documents (*.xml);;All files (*)</source>
        <translation>규칙 문서 (*.xml);;모든 파일 (*)</translation>
    </message>
    <message>
        <source>Save Rule Document</source>
        <translation>규칙 문서 저장</translation>
    </message>
</context>
<context>
    <name>PartCheckDialog</name>
    <message>
        <source>Check Part</source>
        <translation>부품 검사</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>찾아보기(&amp;B)...</translation>
    </message>
    <message>
        <source>&amp;Part file:</source>
        <translation>부품 파일(&amp;P):</translation>
    </message>
    <message>
        <source>STL &amp;length unit:</source>
        <translation>STL 길이 단위(&amp;L):</translation>
    </message>
    <message>
        <source>P&amp;ull direction (X,Y,Z or axis):</source>
        <translation>이형 방향(X,Y,Z 또는 축)(&amp;U):</translation>
    </message>
    <message>
        <source>The pull direction &quot;%1&quot; cannot be used: type three numbers X,Y,Z, not all zero (such as 0,0,1), or choose an axis.</source>
        <translation>이형 방향 &quot;%1&quot;은(는) 사용할 수 없습니다. 모두 0이 아닌 세 숫자 X,Y,Z(예: 0,0,1)를 입력하거나 축을 선택합니다.</translation>
    </message>
    <message>
        <source>Part to Check</source>
        <translation>검사할 부품</translation>
    </message>
    <message>
        <source>Parts (*.step *.stp *.iges *.igs *.stl);;All files (*)</source>
        <translation>부품 (*.step *.stp *.iges *.igs *.stl);;모든 파일 (*)</translation>
    </message>
</context>
<context>
    <name>PartView</name>
    <message>
        <source>The 3D view needs an X display with OpenGL; Qt runs on the &quot;%1&quot; platform.</source>
        <translation>3D 뷰에는 OpenGL을 쓸 수 있는 X 디스플레이가 필요합니다. Qt가 &quot;%1&quot; 플랫폼에서 실행 중입니다.</translation>
    </message>
    <message>
        <source>OpenGL could not start: %1</source>
        <translation>OpenGL을 시작할 수 없습니다: %1</translation>
    </message>
</context>
<context>
    <name>PartViewPanel</name>
    <message>
        <source>Along pull</source>
        <translation>이형 방향으로</translation>
    </message>
    <message>
        <source>Look down the pull at the cavity side</source>
        <translation>이형 방향을 따라 캐비티 측을 내려다봅니다</translation>
    </message>
    <message>
        <source>Against pull</source>
        <translation>이형 반대 방향으로</translation>
    </message>
    <message>
        <source>Look up the pull at the core side</source>
        <translation>이형 방향을 거슬러 코어 측을 올려다봅니다</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>정면</translation>
    </message>
    <message>
        <source>Look across the pull</source>
        <translation>이형 방향에 직교하는 방향에서 봅니다</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>측면</translation>
    </message>
    <message>
        <source>Look across the pull, square to the front</source>
        <translation>이형 방향과 정면에 모두 직교하는 방향에서 봅니다</translation>
    </message>
    <message>
        <source>Corner</source>
        <translation>위 모서리</translation>
    </message>
    <message>
        <source>Look from a corner above</source>
        <translation>위쪽 모서리에서 봅니다</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>아래 모서리</translation>
    </message>
    <message>
        <source>Look from a corner below, into the part</source>
        <translation>아래쪽 모서리에서 부품 안쪽을 봅니다</translation>
    </message>
    <message>
        <source>Core and cavity sides</source>
        <translation>코어 측과 캐비티 측</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>전체 보기</translation>
    </message>
</context>
<context>
    <name>RulesTableModel</name>
    <message>
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>Display name</source>
        <translation>표시 이름</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>심각도</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>설명</translation>
    </message>
</context>
</TS>
