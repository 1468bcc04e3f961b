<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>CheckProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Checking Part</source>
        <translation>Vérification de la pièce</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Annulation...</translation>
    </message>
</context>
<context>
    <name>CheckResultsWindow</name>
    <message>
        <source>Rule</source>
        <translation>Règle</translation>
    </message>
    <message>
        <source>Face</source>
        <translation>Face</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Limite</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>Gravité</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Motif</translation>
    </message>
    <message>
        <source>&amp;Pick Pull...</source>
        <translation>Choisir la &amp;direction sur une face...</translation>
    </message>
    <message>
        <source>Findings:</source>
        <translation>Constats&#xa0;:</translation>
    </message>
    <message>
        <source>Not checked:</source>
        <translation>Non vérifiées&#xa0;:</translation>
    </message>
    <message>
        <source>Click a face in the view: its normal, or the axis of a round face, becomes the pull to check the part with again</source>
        <translation>Cliquez sur une face dans la vue&#xa0;: sa normale, ou l’axe d’une face de révolution, devient la direction de démoulage avec laquelle la pièce est vérifiée à nouveau</translation>
    </message>
    <message>
        <source>&amp;Save Report...</source>
        <translation>&amp;Enregistrer le rapport...</translation>
    </message>
    <message>
        <source>Check Results - %1</source>
        <translation>Résultats de la vérification - %1</translation>
    </message>
    <message>
        <source>Part: %1    Units: %2</source>
        <translation>Pièce&#xa0;: %1    Unités&#xa0;: %2</translation>
    </message>
    <message>
        <source>Save Check Report</source>
        <translation>Enregistrer le rapport de vérification</translation>
    </message>
    <message>
        <source>HTML report (*.html);;JSON, as the check command writes it (*.json)</source>
        <translation>Rapport HTML (*.html);;JSON, tel que l’écrit la commande check (*.json)</translation>
    </message>
</context>
<context>
    <name>DocumentStatusBar</name>
    <message>
        <source>1 rule</source>
        <translation>1 règle</translation>
    </message>
    <message>
        <source>%1 rules</source>
        <translation>%1&#xa0;règles</translation>
    </message>
</context>
<context>
    <name>FaceColours</name>
    <message>
        <source>Very low</source>
        <translation>Très faible</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Faible</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Élevée</translation>
    </message>
    <message>
        <source>Very high</source>
        <translation>Très élevée</translation>
    </message>
    <message>
        <source>Cavity side</source>
        <translation>Côté empreinte</translation>
    </message>
    <message>
        <source>Core side</source>
        <translation>Côté noyau</translation>
    </message>
    <message>
        <source>Parting line</source>
        <translation>Ligne de joint</translation>
    </message>
    <message>
        <source>Passes</source>
        <translation>Conforme</translation>
    </message>
    <message>
        <source>Not reached by either half</source>
        <translation>Atteinte par aucune des deux parties du moule</translation>
    </message>
    <message>
        <source>Undercut (outlined)</source>
        <translation>Contre-dépouille (contour)</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>No help is available: the help file %1 does not exist or cannot be read.</source>
        <translation>Aucune aide disponible&#xa0;: le fichier d’aide %1 n’existe pas ou ne peut pas être lu.</translation>
    </message>
    <message>
        <source>The help file %1 has no page %2.</source>
        <translation>Le fichier d’aide %1 n’a pas de page %2.</translation>
    </message>
</context>
<context>
    <name>HtmlReport</name>
    <message>
        <source> at </source>
        <translation> en </translation>
    </message>
    <message>
        <source>No findings.</source>
        <translation>Aucun constat.</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>Règle</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Solide</translation>
    </message>
    <message>
        <source>Face</source>
        <translation>Face</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Limite</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>Gravité</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Not checked</source>
        <translation>Non vérifiées</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Motif</translation>
    </message>
    <message>
        <source>Figures</source>
        <translation>Mesures</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>Mesure</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>Avertissements</translation>
    </message>
    <message>
        <source>The checked part</source>
        <translation>La pièce vérifiée</translation>
    </message>
    <message>
        <source>Part check: %1</source>
        <translation>Vérification de la pièce&#xa0;: %1</translation>
    </message>
    <message>
        <source>Part</source>
        <translation>Pièce</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unités</translation>
    </message>
    <message>
        <source>Pull</source>
        <translation>Direction de démoulage</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Encombrement</translation>
    </message>
    <message>
        <source> to </source>
        <translation> à </translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Constats</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Length unit:</source>
        <translation>Unité de longueur&#xa0;:</translation>
    </message>
    <message>
        <source>Angle unit:</source>
        <translation>Unité d’angle&#xa0;:</translation>
    </message>
    <message>
        <source>Filter names and descriptions</source>
        <translation>Filtrer les noms et les descriptions</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filtre&#xa0;:</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>Modifier %1</translation>
    </message>
    <message>
        <source>Rule edited: %1</source>
        <translation>Règle modifiée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Values would be rounded away</source>
        <translation>Des valeurs seraient perdues à l’arrondi</translation>
    </message>
    <message>
        <source>%1 value(s) would be rounded away in the new units, which keep six decimals. Convert anyway?</source>
        <translation>%1&#xa0;valeur(s) seraient perdues à l’arrondi dans les nouvelles unités, qui gardent six décimales. Convertir quand même&#xa0;?</translation>
    </message>
    <message>
        <source>Units %1</source>
        <translation>Unités&#xa0;: %1</translation>
    </message>
    <message>
        <source>Units changed to %1</source>
        <translation>Unités changées en %1</translation>
    </message>
    <message>
        <source>%1 has been changed on disk by someone else, and this window holds unsaved changes to it. Reload it from disk and discard them?</source>
        <translation>%1 a été modifié sur le disque par quelqu’un d’autre, et cette fenêtre contient des modifications non enregistrées. Le recharger depuis le disque et abandonner ces modifications&#xa0;?</translation>
    </message>
    <message>
        <source>%1 has been changed on disk by someone else. Reload it?</source>
        <translation>%1 a été modifié sur le disque par quelqu’un d’autre. Le recharger&#xa0;?</translation>
    </message>
    <message>
        <source>Document changed on disk</source>
        <translation>Document modifié sur le disque</translation>
    </message>
    <message>
        <source>Changed on disk, not reloaded</source>
        <translation>Modifié sur le disque, non rechargé</translation>
    </message>
    <message>
        <source>Reloaded %1</source>
        <translation>%1 rechargé</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New Moulding Document</source>
        <translation>&amp;Nouveau document de moulage</translation>
    </message>
    <message>
        <source>New &amp;Casting Document</source>
        <translation>Nouveau document de &amp;fonderie</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Documents &amp;récents</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Annulé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation>Rétabli&#xa0;: %1</translation>
    </message>
    <message>
        <source>&amp;Edit Rule...</source>
        <translation>&amp;Modifier la règle...</translation>
    </message>
    <message>
        <source>&amp;Find Rules</source>
        <translation>Rec&amp;hercher des règles</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Vérification</translation>
    </message>
    <message>
        <source>Check &amp;Part...</source>
        <translation>Vérifier une &amp;pièce...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;About veritor-studio</source>
        <translation>À &amp;propos de veritor-studio</translation>
    </message>
    <message>
        <source>About veritor-studio</source>
        <translation>À propos de veritor-studio</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;veritor-studio %1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;The desktop editor of the design rules for moulded and cast parts: rule documents, their dialogs, and parts checked against them.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;veritor-studio %1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;L’éditeur de bureau des règles de conception des pièces moulées et des pièces de fonderie&#xa0;: documents de règles, leurs boîtes de dialogue, et pièces vérifiées selon ces règles.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Check &amp;Part with This Document...</source>
        <translation>Vérifier une &amp;pièce avec ce document...</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>%1 ouvert</translation>
    </message>
    <message>
        <source>New casting document</source>
        <translation>Nouveau document de fonderie</translation>
    </message>
    <message>
        <source>New moulding document</source>
        <translation>Nouveau document de moulage</translation>
    </message>
    <message>
        <source>%1 has been changed by someone else since it was opened. Overwrite it with this document?</source>
        <translation>%1 a été modifié par quelqu’un d’autre depuis son ouverture. L’écraser avec ce document&#xa0;?</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 enregistré</translation>
    </message>
    <message>
        <source>pull direction &quot;%1&quot;: give it as X,Y,Z, not all zero</source>
        <translation>direction de démoulage «&#xa0;%1&#xa0;»&#xa0;: donnez-la sous la forme X,Y,Z, pas toutes nulles</translation>
    </message>
    <message>
        <source>Checking %1...</source>
        <translation>Vérification de %1...</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Modifications non enregistrées</translation>
    </message>
    <message>
        <source>%1 has unsaved changes. Save them?</source>
        <translation>%1 contient des modifications non enregistrées. Les enregistrer&#xa0;?</translation>
    </message>
    <message>
        <source>Open Rule Document</source>
        <translation>Ouvrir un document de règles</translation>
    </message>
    <message>
        <source>Rule documents (*.xml);;All files (*)</source>
        <translation>Documents de règles (*.xml);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Save Rule Document</source>
        <translation>Enregistrer le document de règles</translation>
    </message>
</context>
<context>
    <name>PartCheckDialog</name>
    <message>
        <source>Check Part</source>
        <translation>Vérifier une pièce</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>Pa&amp;rcourir...</translation>
    </message>
    <message>
        <source>&amp;Part file:</source>
        <translation>Fichier de la &amp;pièce&#xa0;:</translation>
    </message>
    <message>
        <source>STL &amp;length unit:</source>
        <translation>Unité de &amp;longueur du STL&#xa0;:</translation>
    </message>
    <message>
        <source>P&amp;ull direction (X,Y,Z or axis):</source>
        <translation>&amp;Direction de démoulage (X,Y,Z ou axe)&#xa0;:</translation>
    </message>
    <message>
        <source>The pull direction &quot;%1&quot; cannot be used: type three numbers X,Y,Z, not all zero (such as 0,0,1), or choose an axis.</source>
        <translation>La direction de démoulage «&#xa0;%1&#xa0;» ne peut pas être utilisée&#xa0;: saisissez trois nombres X,Y,Z, pas tous nuls (par exemple 0,0,1), ou choisissez un axe.</translation>
    </message>
    <message>
        <source>Part to Check</source>
        <translation>Pièce à vérifier</translation>
    </message>
    <message>
        <source>Parts (*.step *.stp *.iges *.igs *.stl);;All files (*)</source>
        <translation>Pièces (*.step *.stp *.iges *.igs *.stl);;Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>PartView</name>
    <message>
        <source>The 3D view needs an X display with OpenGL; Qt runs on the &quot;%1&quot; platform.</source>
        <translation>La vue 3D demande un affichage X avec OpenGL&#xa0;; Qt fonctionne sur la plateforme «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>OpenGL could not start: %1</source>
        <translation>OpenGL n’a pas pu démarrer&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>PartViewPanel</name>
    <message>
        <source>Along pull</source>
        <translation>Dans l’axe</translation>
    </message>
    <message>
        <source>Look down the pull at the cavity side</source>
        <translation>Regarder le côté empreinte dans la direction de démoulage</translation>
    </message>
    <message>
        <source>Against pull</source>
        <translation>Contre l’axe</translation>
    </message>
    <message>
        <source>Look up the pull at the core side</source>
        <translation>Regarder le côté noyau à contre-sens de la direction de démoulage</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Face</translation>
    </message>
    <message>
        <source>Look across the pull</source>
        <translation>Regarder perpendiculairement à la direction de démoulage</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Côté</translation>
    </message>
    <message>
        <source>Look across the pull, square to the front</source>
        <translation>Regarder perpendiculairement à la direction de démoulage et à la vue de face</translation>
    </message>
    <message>
        <source>Corner</source>
        <translation>Coin haut</translation>
    </message>
    <message>
        <source>Look from a corner above</source>
        <translation>Regarder depuis un coin au-dessus</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>Coin bas</translation>
    </message>
    <message>
        <source>Look from a corner below, into the part</source>
        <translation>Regarder depuis un coin en dessous, vers l’intérieur de la pièce</translation>
    </message>
    <message>
        <source>Core and cavity sides</source>
        <translation>Côtés noyau et empreinte</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajuster</translation>
    </message>
</context>
<context>
    <name>RulesTableModel</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Display name</source>
        <translation>Nom affiché</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>Gravité</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
</context>
</TS>
