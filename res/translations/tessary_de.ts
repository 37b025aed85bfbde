<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Strings</name>
    <message id="133">
        <source>GIF Files (*.gif)</source>
        <extracomment>raster.def ImageTemplateGif</extracomment>
        <translation>GIF-Dateien (*.gif)</translation>
    </message>
    <message id="134">
        <source>JPG Files (*.jpg,*.jpeg)</source>
        <extracomment>raster.def ImageTemplateJpg</extracomment>
        <translation>JPG-Dateien (*.jpg,*.jpeg)</translation>
    </message>
    <message id="135">
        <source>PNG Files (*.png)</source>
        <extracomment>raster.def ImageTemplatePng</extracomment>
        <translation>PNG-Dateien (*.png)</translation>
    </message>
    <message id="136">
        <source>All Image Files (*.gif,*.jpg,*.jpeg,*.png)</source>
        <extracomment>raster.def ImageTemplateAll</extracomment>
        <translation>Alle Bilddateien (*.gif,*.jpg,*.jpeg,*.png)</translation>
    </message>
    <message id="8200">
        <source>All Files (*.*)</source>
        <extracomment>raster.def AllFilesFilter</extracomment>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message id="8201">
        <source>Missing Image</source>
        <extracomment>raster.def MissingImageTitle</extracomment>
        <translation>Bild fehlt</translation>
    </message>
    <message id="8202">
        <source>Tessary is unable to locate the image file "%s" that goes with this map. You will have to manually locate it.</source>
        <extracomment>raster.def MissingImageText</extracomment>
        <translation>Tessary findet die Bilddatei „%s“ dieser Map nicht. Bitte suchen Sie sie selbst.</translation>
    </message>
    <message id="8203">
        <source>Loading Image</source>
        <extracomment>raster.def LoadingImageTitle</extracomment>
        <translation>Bild wird geladen</translation>
    </message>
    <message id="8204">
        <source>%d by %d, %d colors</source>
        <extracomment>raster.def LoadingSizeLine</extracomment>
        <translation>%d × %d, %d Farben</translation>
    </message>
    <message id="8205">
        <source>%s format, %d bytes long</source>
        <extracomment>raster.def LoadingFormatLine</extracomment>
        <translation>Format %s, %d Byte</translation>
    </message>
    <message id="8209">
        <source>Unknown</source>
        <extracomment>raster.def FormatNameUnknown</extracomment>
        <translation>Unbekannt</translation>
    </message>
    <message id="8210">
        <source>Unable to open image file: </source>
        <extracomment>raster.def ImageErrorLead</extracomment>
        <translation>Die Bilddatei kann nicht geöffnet werden: </translation>
    </message>
    <message id="8211">
        <source>unable to locate file.</source>
        <extracomment>raster.def ImageErrorNotFound</extracomment>
        <translation>Datei nicht gefunden.</translation>
    </message>
    <message id="8212">
        <source>filename is empty.</source>
        <extracomment>raster.def ImageErrorEmptyName</extracomment>
        <translation>kein Dateiname angegeben.</translation>
    </message>
    <message id="8213">
        <source>data format bad.</source>
        <extracomment>raster.def ImageErrorFormat</extracomment>
        <translation>ungültiges Datenformat.</translation>
    </message>
    <message id="8214">
        <source> Press OK to abort loading.</source>
        <extracomment>raster.def ImageErrorTail</extracomment>
        <translation> Klicken Sie auf OK, um das Laden abzubrechen.</translation>
    </message>
    <message id="8215">
        <source>Tessary looked for the map's picture where the map says, in the map's folder and in the current folder, and did not find it. Choose OK to find the picture yourself: the map then uses the picture you choose. Choose Cancel to stop opening the map.</source>
        <extracomment>raster.def MissingImageHelp</extracomment>
        <translation>Tessary hat das Bild der Map dort gesucht, wo die Map es angibt, im Ordner der Map und im aktuellen Ordner, und es nicht gefunden. Wählen Sie OK, um das Bild selbst zu suchen: Die Map verwendet dann das gewählte Bild. Wählen Sie Abbrechen, um das Öffnen der Map abzubrechen.</translation>
    </message>
    <message id="8216">
        <source>the file cannot be read (%s).</source>
        <extracomment>raster.def ImageErrorUnreadable</extracomment>
        <translation>die Datei lässt sich nicht lesen (%s).</translation>
    </message>
    <message id="8217">
        <source>The picture "%s" cannot be used. Choose OK to choose another picture, or Cancel to stop opening the map.</source>
        <extracomment>raster.def ImageChooseAnother</extracomment>
        <translation>Das Bild „%s“ lässt sich nicht verwenden. Wählen Sie OK, um ein anderes Bild zu wählen, oder Abbrechen, um das Öffnen der Map zu beenden.</translation>
    </message>
    <message id="7062">
        <source>Unable to load the map file. This could be because the file in question is not a image map file, the file is damaged, or the file is in use.</source>
        <extracomment>model.def MapLoadFailed</extracomment>
        <translation>Die Map-Datei kann nicht geladen werden. Möglicherweise ist die Datei keine Imagemap-Datei, sie ist beschädigt oder wird gerade verwendet.</translation>
    </message>
    <message id="8000">
        <source>Unable to locate the file "%s"</source>
        <extracomment>model.def CannotLocateFile</extracomment>
        <translation>Die Datei „%s“ wurde nicht gefunden</translation>
    </message>
    <message id="8001">
        <source>&lt;untitled&gt;</source>
        <extracomment>model.def UntitledMap</extracomment>
        <translation>&lt;ohne Titel&gt;</translation>
    </message>
    <message id="8002">
        <source>&lt;untitled.htm&gt;</source>
        <extracomment>model.def UntitledPage</extracomment>
        <translation>&lt;unbenannt.htm&gt;</translation>
    </message>
    <message id="8006">
        <source>Sorry, but Tessary supports up to 100,000 areas per map. You will have to delete ALL of your existing areas in order to put the guides in. Do so?</source>
        <extracomment>model.def GuidesExceedLimit</extracomment>
        <translation>Tessary unterstützt leider höchstens 100.000 Bereiche pro Map. Um die Hilfsbereiche anzulegen, müssen ALLE vorhandenen Bereiche gelöscht werden. Jetzt löschen?</translation>
    </message>
    <message id="8007">
        <source>%d out of %d areas need to be clipped. Go ahead and clip them?
If you don't, you will have trouble accessing those areas.</source>
        <extracomment>model.def ClipAreasQuestion</extracomment>
        <translation>%d von %d Bereichen müssen beschnitten werden. Jetzt beschneiden?
Andernfalls lassen sich diese Bereiche nur schwer erreichen.</translation>
    </message>
    <message id="8015">
        <source>%d out of %d areas needs to be clipped. Go ahead and clip it?
If you don't, you will have trouble accessing that area.</source>
        <extracomment>model.def ClipAreaQuestionOne</extracomment>
        <translation>%d von %d Bereichen muss beschnitten werden. Jetzt beschneiden?
Andernfalls lässt sich dieser Bereich nur schwer erreichen.</translation>
    </message>
    <message id="8016">
        <source>%d out of %d area needs to be clipped. Go ahead and clip it?
If you don't, you will have trouble accessing that area.</source>
        <extracomment>model.def ClipOnlyAreaQuestion</extracomment>
        <translation>Der Bereich (%d von %d) muss beschnitten werden. Jetzt beschneiden?
Andernfalls lässt sich dieser Bereich nur schwer erreichen.</translation>
    </message>
    <message id="8008">
        <source>Do you really want to save without a default URL?</source>
        <extracomment>model.def SaveWithoutDefaultUrl</extracomment>
        <translation>Möchten Sie wirklich ohne Standard-URL speichern?</translation>
    </message>
    <message id="8009">
        <source>You have some areas that do not have URLs. You will need to add them in before you can save this map.</source>
        <extracomment>model.def AreasMissingUrls</extracomment>
        <translation>Einige Bereiche haben keine URL. Tragen Sie sie ein, bevor Sie diese Map speichern.</translation>
    </message>
    <message id="8010">
        <source>Saving a Client Side Image Map file into a non-HTML file is not allowed!</source>
        <extracomment>model.def SaveNonHtmlRefused</extracomment>
        <translation>Eine clientseitige Imagemap kann nicht in eine Datei gespeichert werden, die kein HTML ist!</translation>
    </message>
    <message id="8011">
        <source>The file "%s%s" was saved into the directory "%s%s". For your convenience, the image file "%s%s" was also copied from its orignal directory.</source>
        <extracomment>model.def SavedWithImageCopy</extracomment>
        <translation>Die Datei „%s%s“ wurde im Ordner „%s%s“ gespeichert. Zur Vereinfachung wurde auch die Bilddatei „%s%s“ aus ihrem ursprünglichen Ordner dorthin kopiert.</translation>
    </message>
    <message id="8012">
        <source>The file "%s%s" was saved into the directory "%s%s". The image "%s%s" also exists in this directory.</source>
        <extracomment>model.def SavedBesideImage</extracomment>
        <translation>Die Datei „%s%s“ wurde im Ordner „%s%s“ gespeichert. Das Bild „%s%s“ liegt ebenfalls in diesem Ordner.</translation>
    </message>
    <message id="8152">
        <source>%d,%d to %d,%d (%d areas)</source>
        <extracomment>checks.def GuideBounds</extracomment>
        <translation>%d,%d bis %d,%d (%d Bereiche)</translation>
    </message>
    <message id="8154">
        <source>%d,%d to %d,%d (%d area)</source>
        <extracomment>checks.def GuideBoundsOne</extracomment>
        <translation>%d,%d bis %d,%d (%d Bereich)</translation>
    </message>
    <message id="32832">
        <source>List the areas that visitors with screen readers, small screens or broken links would stumble over
Check Map</source>
        <extracomment>checks.def CmdCheckMap</extracomment>
        <translation>Die Bereiche auflisten, an denen Besucher mit Screenreadern, kleinen Bildschirmen oder durch fehlerhafte Links scheitern würden
Map prüfen</translation>
    </message>
    <message id="8362">
        <source>&amp;Check Map...</source>
        <extracomment>checks.def ItemCheckMap</extracomment>
        <translation>Map &amp;prüfen...</translation>
    </message>
    <message id="8130">
        <source>No ALT text: screen readers announce nothing useful for this area.</source>
        <extracomment>checks.def FindingMissingAlt</extracomment>
        <translation>Kein ALT-Text: Screenreader sagen zu diesem Bereich nichts Hilfreiches an.</translation>
    </message>
    <message id="8131">
        <source>The ALT text "%s" only repeats the URL; say where the area leads instead.</source>
        <extracomment>checks.def FindingAltIsUrl</extracomment>
        <translation>Der ALT-Text „%s“ wiederholt nur die URL; beschreiben Sie lieber, wohin der Bereich führt.</translation>
    </message>
    <message id="8132">
        <source>The ALT text "%s" is also that of area %d, which leads elsewhere.</source>
        <extracomment>checks.def FindingDuplicateAlt</extracomment>
        <translation>Der ALT-Text „%s“ ist auch der von Bereich %d, der woandershin führt.</translation>
    </message>
    <message id="8133">
        <source>Shown %s x %s CSS pixels: smaller than the 24 x 24 a target needs.</source>
        <extracomment>checks.def FindingSmallTarget</extracomment>
        <translation>Angezeigt mit %s × %s CSS-Pixeln: kleiner als die 24 × 24, die ein Klickziel braucht.</translation>
    </message>
    <message id="8134">
        <source>A javascript: URL leads nowhere without scripts.</source>
        <extracomment>checks.def FindingJavascriptUrl</extracomment>
        <translation>Eine javascript:-URL führt ohne Skripte nirgendwohin.</translation>
    </message>
    <message id="8135">
        <source>The linked file "%s" does not exist beside the page.</source>
        <extracomment>checks.def FindingBrokenLink</extracomment>
        <translation>Die verlinkte Datei „%s“ liegt nicht neben der Seite.</translation>
    </message>
    <message id="8136">
        <source>The map name "%s" holds white space, which HTML forbids.</source>
        <extracomment>checks.def FindingMapNameSpace</extracomment>
        <translation>Der Map-Name „%s“ enthält Leerraum, was HTML nicht erlaubt.</translation>
    </message>
    <message id="8145">
        <source>Not clickable: browsers give this area no shape (too few numbers, no radius or no width). It is kept as written.</source>
        <extracomment>checks.def FindingNotClickable</extracomment>
        <translation>Nicht anklickbar: Browser geben diesem Bereich keine Form (zu wenige Zahlen, kein Radius oder keine Breite). Er bleibt, wie er geschrieben ist.</translation>
    </message>
    <message id="8146">
        <source>Area %d is not clickable: browsers give it no shape. It is kept as written.</source>
        <extracomment>checks.def AreaNotClickableTip</extracomment>
        <translation>Bereich %d ist nicht anklickbar: Browser geben ihm keine Form. Er bleibt, wie er geschrieben ist.</translation>
    </message>
    <message id="8137">
        <source>Check Map</source>
        <extracomment>checks.def CheckMapTitle</extracomment>
        <translation>Map prüfen</translation>
    </message>
    <message id="8138">
        <source>Area</source>
        <extracomment>checks.def CheckMapArea</extracomment>
        <translation>Bereich</translation>
    </message>
    <message id="8139">
        <source>Code</source>
        <extracomment>checks.def CheckMapCode</extracomment>
        <translation>Code</translation>
    </message>
    <message id="8140">
        <source>Finding</source>
        <extracomment>checks.def CheckMapMessage</extracomment>
        <translation>Befund</translation>
    </message>
    <message id="8141">
        <source>Map</source>
        <extracomment>checks.def CheckMapWholeMap</extracomment>
        <translation>Map</translation>
    </message>
    <message id="8142">
        <source>Double-click a finding to select its area.</source>
        <extracomment>checks.def CheckMapHint</extracomment>
        <translation>Doppelklicken Sie auf einen Befund, um seinen Bereich auszuwählen.</translation>
    </message>
    <message id="8143">
        <source>&amp;Close</source>
        <extracomment>checks.def CheckMapClose</extracomment>
        <translation>&amp;Schließen</translation>
    </message>
    <message id="8144">
        <source>Check Map found nothing to report.</source>
        <extracomment>checks.def CheckMapClean</extracomment>
        <translation>Die Prüfung hat nichts zu beanstanden.</translation>
    </message>
    <message id="7054">
        <source>!! Unknown !!</source>
        <extracomment>view.def AreaKindUnknown</extracomment>
        <translation>!! Unbekannt !!</translation>
    </message>
    <message id="8510">
        <source>Area Settings</source>
        <extracomment>view.def AreaSettingsTitle</extracomment>
        <translation>Bereichseigenschaften</translation>
    </message>
    <message id="8511">
        <source>Area #%d Settings</source>
        <extracomment>view.def AreaSettingsCaption</extracomment>
        <translation>Eigenschaften von Bereich %d</translation>
    </message>
    <message id="8512">
        <source>Type:</source>
        <extracomment>view.def AreaTypeLabel</extracomment>
        <translation>Typ:</translation>
    </message>
    <message id="8513">
        <source>Position:</source>
        <extracomment>view.def AreaPositionLabel</extracomment>
        <translation>Position:</translation>
    </message>
    <message id="8514">
        <source>Size:</source>
        <extracomment>view.def AreaDimensionsLabel</extracomment>
        <translation>Größe:</translation>
    </message>
    <message id="8516">
        <source>w=%d, h=%d</source>
        <extracomment>view.def AreaRectDimensions</extracomment>
        <translation>B=%d, H=%d</translation>
    </message>
    <message id="8517">
        <source>rX=%d, rY=%d</source>
        <extracomment>view.def AreaCircleDimensions</extracomment>
        <translation>rX=%d, rY=%d</translation>
    </message>
    <message id="8518">
        <source>points=%d</source>
        <extracomment>view.def AreaPolygonDimensions</extracomment>
        <translation>Punkte=%d</translation>
    </message>
    <message id="8519">
        <source>URL to activate when this area is clicked: (required)</source>
        <extracomment>view.def AreaUrlLabel</extracomment>
        <translation>URL, die beim Klick auf diesen Bereich geöffnet wird: (Pflichtfeld)</translation>
    </message>
    <message id="8520">
        <source>Target frame name/ID: (optional)</source>
        <extracomment>view.def AreaTargetLabel</extracomment>
        <translation>Name/ID des Zielframes: (optional)</translation>
    </message>
    <message id="8521">
        <source>Internal comment about this area: (optional)</source>
        <extracomment>view.def AreaCommentLabel</extracomment>
        <translation>Interner Kommentar zu diesem Bereich: (optional)</translation>
    </message>
    <message id="8522">
        <source>D&amp;elete</source>
        <extracomment>view.def AreaDeleteButton</extracomment>
        <translation>&amp;Löschen</translation>
    </message>
    <message id="8523">
        <source>Title (tooltip):</source>
        <extracomment>view.def AreaTitleLabel</extracomment>
        <translation>Titel (Tooltip):</translation>
    </message>
    <message id="7053">
        <source>Client Side Image Maps (CSIMs) require a title!</source>
        <extracomment>view.def MapTitleRequired</extracomment>
        <translation>Clientseitige Imagemaps brauchen einen Titel!</translation>
    </message>
    <message id="8530">
        <source>Settings for this Mapfile</source>
        <extracomment>view.def MapSettingsTitle</extracomment>
        <translation>Einstellungen dieser Map-Datei</translation>
    </message>
    <message id="8531">
        <source>Filename:</source>
        <extracomment>view.def MapFilenameLabel</extracomment>
        <translation>Dateiname:</translation>
    </message>
    <message id="8532">
        <source>Image name:</source>
        <extracomment>view.def MapImageNameLabel</extracomment>
        <translation>Bildname:</translation>
    </message>
    <message id="8533">
        <source>&amp;Title:</source>
        <extracomment>view.def MapTitleLabel</extracomment>
        <translation>&amp;Titel:</translation>
    </message>
    <message id="8534">
        <source>(Required)</source>
        <extracomment>view.def MapRequiredNote</extracomment>
        <translation>(Pflichtfeld)</translation>
    </message>
    <message id="8535">
        <source>&amp;Author:</source>
        <extracomment>view.def MapAuthorLabel</extracomment>
        <translation>&amp;Autor:</translation>
    </message>
    <message id="8536">
        <source>&amp;Default URL:</source>
        <extracomment>view.def MapDefaultUrlLabel</extracomment>
        <translation>&amp;Standard-URL:</translation>
    </message>
    <message id="8537">
        <source>(Suggested)</source>
        <extracomment>view.def MapSuggestedNote</extracomment>
        <translation>(Empfohlen)</translation>
    </message>
    <message id="8538">
        <source>D&amp;escription:</source>
        <extracomment>view.def MapDescriptionLabel</extracomment>
        <translation>&amp;Beschreibung:</translation>
    </message>
    <message id="8539">
        <source>&amp;Scale the map with the picture</source>
        <extracomment>view.def MapScalesWithPicture</extracomment>
        <translation>Map mit dem Bild s&amp;kalieren</translation>
    </message>
    <message id="7055">
        <source>Drag to opposite corner; release button to end</source>
        <extracomment>tools.def PromptDrawFrame</extracomment>
        <translation>Zur gegenüberliegenden Ecke ziehen; zum Beenden Maustaste loslassen</translation>
    </message>
    <message id="7058">
        <source>Move to new point; click to plot; double-click to end</source>
        <extracomment>tools.def PromptDrawPolygon</extracomment>
        <translation>Zum nächsten Punkt bewegen; klicken zum Setzen; Doppelklick zum Beenden</translation>
    </message>
    <message id="7059">
        <source>Drag to new location; release button to end</source>
        <extracomment>tools.def PromptMoveArea</extracomment>
        <translation>An die neue Position ziehen; zum Beenden Maustaste loslassen</translation>
    </message>
    <message id="7060">
        <source>Drag to new size; release button to end</source>
        <extracomment>tools.def PromptResizeArea</extracomment>
        <translation>Auf die neue Größe ziehen; zum Beenden Maustaste loslassen</translation>
    </message>
    <message id="7061">
        <source>Shift held: the rectangle stays square; release button to end</source>
        <extracomment>tools.def PromptShiftSquare</extracomment>
        <translation>Umschalttaste gedrückt: das Rechteck bleibt quadratisch; zum Beenden Maustaste loslassen</translation>
    </message>
    <message id="7063">
        <source>Shift held: no effect on this drag; release button to end</source>
        <extracomment>tools.def PromptShiftHeld</extracomment>
        <translation>Umschalttaste gedrückt: ohne Wirkung auf dieses Ziehen; zum Beenden Maustaste loslassen</translation>
    </message>
    <message id="8581">
        <source>Rectangle</source>
        <extracomment>tools.def TipRectangle</extracomment>
        <translation>Rechteck</translation>
    </message>
    <message id="8582">
        <source>Circle</source>
        <extracomment>tools.def TipCircle</extracomment>
        <translation>Kreis</translation>
    </message>
    <message id="8583">
        <source>Polygon</source>
        <extracomment>tools.def TipPolygon</extracomment>
        <translation>Polygon</translation>
    </message>
    <message id="8100">
        <source>The file %s is not a writable file.</source>
        <extracomment>save.def NotWritableFile</extracomment>
        <translation>In die Datei %s kann nicht geschrieben werden.</translation>
    </message>
    <message id="8101">
        <source>Attempting to DELETE the target file gave error %d
</source>
        <extracomment>save.def DeleteTargetFailed</extracomment>
        <translation>Beim LÖSCHEN der Zieldatei trat Fehler %d auf
</translation>
    </message>
    <message id="8102">
        <source>Attempting to CREATE the target file gave error %d
</source>
        <extracomment>save.def CreateTargetFailed</extracomment>
        <translation>Beim ANLEGEN der Zieldatei trat Fehler %d auf
</translation>
    </message>
    <message id="8103">
        <source>Attempting to WRITE to target file gave error %d
</source>
        <extracomment>save.def WriteTargetFailed</extracomment>
        <translation>Beim SCHREIBEN in die Zieldatei trat Fehler %d auf
</translation>
    </message>
    <message id="8104">
        <source>Unable to read the file "%s". It was left as it was.</source>
        <extracomment>save.def PageUnreadable</extracomment>
        <translation>Die Datei „%s“ kann nicht gelesen werden. Sie bleibt unverändert.</translation>
    </message>
    <message id="8050">
        <source>The page holds no complete MAP element.</source>
        <extracomment>pages.def LoadNoMap</extracomment>
        <translation>Die Seite enthält kein vollständiges MAP-Element.</translation>
    </message>
    <message id="8051">
        <source>The MAP element that begins on line %d is never closed.</source>
        <extracomment>pages.def LoadUnclosedMap</extracomment>
        <translation>Das MAP-Element ab Zeile %d wird nie geschlossen.</translation>
    </message>
    <message id="8052">
        <source>The page holds a NUL byte on line %d, and it is read only up to there.</source>
        <extracomment>pages.def LoadNulByte</extracomment>
        <translation>Die Seite enthält in Zeile %d ein NUL-Byte und wird nur bis dorthin gelesen.</translation>
    </message>
    <message id="8053">
        <source>The MAP element on line %d lies inside a comment, script or style, which is not part of the page.</source>
        <extracomment>pages.def LoadMapHidden</extracomment>
        <translation>Das MAP-Element in Zeile %d steht in einem Kommentar, Skript oder Stil und gehört damit nicht zur Seite.</translation>
    </message>
    <message id="8054">
        <source>This map cannot be held whole, so it opens read-only. Not read: %s.</source>
        <extracomment>pages.def LossOpensReadOnly</extracomment>
        <translation>Diese Map kann nicht vollständig übernommen werden und wird daher schreibgeschützt geöffnet. Nicht gelesen: %s.</translation>
    </message>
    <message id="8055">
        <source>%d areas beyond the 100,000 a map holds</source>
        <extracomment>pages.def LossAreasBeyond</extracomment>
        <translation>%d Bereiche über die 100.000 hinaus, die eine Map fasst</translation>
    </message>
    <message id="8056">
        <source>%d polygons of more than 100,000 points</source>
        <extracomment>pages.def LossLongPolygons</extracomment>
        <translation>%d Polygone mit mehr als 100.000 Punkten</translation>
    </message>
    <message id="8057">
        <source>%d areas of an unknown shape (%s)</source>
        <extracomment>pages.def LossUnknownShapes</extracomment>
        <translation>%d Bereiche mit unbekannter Form (%s)</translation>
    </message>
    <message id="8058">
        <source>This map was not read whole from "%s"; saving it back into that page would delete what was not read. Save it into another page.</source>
        <extracomment>pages.def LossSaveRefused</extracomment>
        <translation>Diese Map wurde aus „%s“ nicht vollständig gelesen; beim Zurückspeichern in diese Seite ginge das Ungelesene verloren. Speichern Sie sie in eine andere Seite.</translation>
    </message>
    <message id="8060">
        <source>%d attributes beyond the 64 an area or map keeps</source>
        <extracomment>pages.def LossAttributesBeyond</extracomment>
        <translation>%d Attribute über die 64 hinaus, die ein Bereich oder eine Map behält</translation>
    </message>
    <message id="8061">
        <source>%d area beyond the 100,000 a map holds</source>
        <extracomment>pages.def LossAreaBeyond</extracomment>
        <translation>%d Bereich über die 100.000 hinaus, die eine Map fasst</translation>
    </message>
    <message id="8062">
        <source>%d polygon of more than 100,000 points</source>
        <extracomment>pages.def LossLongPolygon</extracomment>
        <translation>%d Polygon mit mehr als 100.000 Punkten</translation>
    </message>
    <message id="8063">
        <source>%d area of an unknown shape (%s)</source>
        <extracomment>pages.def LossUnknownShape</extracomment>
        <translation>%d Bereich mit unbekannter Form (%s)</translation>
    </message>
    <message id="8064">
        <source>%d attribute beyond the 64 an area or map keeps</source>
        <extracomment>pages.def LossAttributeBeyond</extracomment>
        <translation>%d Attribut über die 64 hinaus, die ein Bereich oder eine Map behält</translation>
    </message>
    <message id="129">
        <source>HTML Files (*.htm,*.html)</source>
        <extracomment>app.def MapTemplateHtml</extracomment>
        <translation>HTML-Dateien (*.htm,*.html)</translation>
    </message>
    <message id="130">
        <source>ImageMap Files (*.map)</source>
        <extracomment>app.def MapTemplateMap</extracomment>
        <translation>ImageMap-Dateien (*.map)</translation>
    </message>
    <message id="131">
        <source>All File Types (*.map,*.imp,*.htm,*.html)</source>
        <extracomment>app.def MapTemplateAll</extracomment>
        <translation>Alle Dateitypen (*.map,*.imp,*.htm,*.html)</translation>
    </message>
    <message id="7069">
        <source>Unknown command line switch. Run with /? for switches.</source>
        <extracomment>app.def UnknownSwitch</extracomment>
        <translation>Unbekannter Befehlszeilenschalter. Mit /? werden die Schalter angezeigt.</translation>
    </message>
    <message id="224">
        <source>Change the editor's settings
Preferences</source>
        <extracomment>app.def CmdPreferences</extracomment>
        <translation>Die Einstellungen des Editors ändern
Einstellungen</translation>
    </message>
    <message id="400">
        <source>Show the welcome dialog
Welcome</source>
        <extracomment>app.def CmdWelcome</extracomment>
        <translation>Den Willkommensdialog anzeigen
Willkommen</translation>
    </message>
    <message id="32773">
        <source>Edit the URL, frame target and comment of the selected area
Edit Area Info</source>
        <extracomment>app.def CmdEditAreaInfo</extracomment>
        <translation>URL, Zielframe und Kommentar des ausgewählten Bereichs bearbeiten
Bereichsinfo bearbeiten</translation>
    </message>
    <message id="32774">
        <source>Draw rectangular areas
Rectangle</source>
        <extracomment>app.def CmdRectangleTool</extracomment>
        <translation>Rechteckige Bereiche zeichnen
Rechteck</translation>
    </message>
    <message id="32775">
        <source>Draw circular areas
Circle</source>
        <extracomment>app.def CmdCircleTool</extracomment>
        <translation>Kreisförmige Bereiche zeichnen
Kreis</translation>
    </message>
    <message id="32776">
        <source>Edit the title, description, author and default URL of the map
Edit Map Info</source>
        <extracomment>app.def CmdEditMapInfo</extracomment>
        <translation>Titel, Beschreibung, Autor und Standard-URL der Map bearbeiten
Map-Info bearbeiten</translation>
    </message>
    <message id="32777">
        <source>Change the spacing and look of the Snap-To Grid
Grid Settings</source>
        <extracomment>app.def CmdGridSettings</extracomment>
        <translation>Abstand und Aussehen des Fangrasters ändern
Rastereinstellungen</translation>
    </message>
    <message id="32778">
        <source>Turn on/off the Snap-To Grid
Grid</source>
        <extracomment>app.def CmdGrid</extracomment>
        <translation>Das Fangraster ein- oder ausschalten
Fangraster</translation>
    </message>
    <message id="32779">
        <source>Cover the picture with a grid of areas
Create Guides</source>
        <extracomment>app.def CmdCreateGuides</extracomment>
        <translation>Das Bild mit einem Raster aus Bereichen belegen
Hilfsbereiche erstellen</translation>
    </message>
    <message id="32780">
        <source>Draw polygonal areas
Polygon</source>
        <extracomment>app.def CmdPolygonTool</extracomment>
        <translation>Polygonförmige Bereiche zeichnen
Polygon</translation>
    </message>
    <message id="32781">
        <source>Delete this point of the polygon
Delete Point</source>
        <extracomment>app.def CmdDeletePoint</extracomment>
        <translation>Diesen Punkt des Polygons löschen
Punkt löschen</translation>
    </message>
    <message id="32782">
        <source>Insert a point into this edge of the polygon
Insert Point</source>
        <extracomment>app.def CmdInsertPoint</extracomment>
        <translation>Einen Punkt in diese Kante des Polygons einfügen
Punkt einfügen</translation>
    </message>
    <message id="32785">
        <source>Select, move and reshape areas
Arrow</source>
        <extracomment>app.def CmdArrowTool</extracomment>
        <translation>Bereiche auswählen, verschieben und verformen
Pfeil</translation>
    </message>
    <message id="32786">
        <source>Try the map as a visitor would use it
Test Map</source>
        <extracomment>app.def CmdTestMap</extracomment>
        <translation>Die Map so ausprobieren, wie ein Besucher sie nutzt
Map testen</translation>
    </message>
    <message id="32787">
        <source>Show or hide the list of areas
Area List</source>
        <extracomment>app.def CmdAreaList</extracomment>
        <translation>Die Bereichsliste ein- oder ausblenden
Bereichsliste</translation>
    </message>
    <message id="32788">
        <source>Delete the selected area
Delete</source>
        <extracomment>app.def CmdDelete</extracomment>
        <translation>Den ausgewählten Bereich löschen
Löschen</translation>
    </message>
    <message id="32801">
        <source>Use another picture for this map
Change Image</source>
        <extracomment>app.def CmdChangeImage</extracomment>
        <translation>Ein anderes Bild für diese Map verwenden
Bild ändern</translation>
    </message>
    <message id="32802">
        <source>Zoom in one step
Zoom In</source>
        <extracomment>app.def CmdZoomIn</extracomment>
        <translation>Eine Stufe vergrößern
Vergrößern</translation>
    </message>
    <message id="32803">
        <source>Zoom out one step
Zoom Out</source>
        <extracomment>app.def CmdZoomOut</extracomment>
        <translation>Eine Stufe verkleinern
Verkleinern</translation>
    </message>
    <message id="32804">
        <source>Show the picture at its own size
Zoom 1:1</source>
        <extracomment>app.def CmdZoom1</extracomment>
        <translation>Das Bild in Originalgröße anzeigen
Zoom 1:1</translation>
    </message>
    <message id="32805">
        <source>Show the picture twice as large
Zoom 2:1</source>
        <extracomment>app.def CmdZoom2</extracomment>
        <translation>Das Bild doppelt so groß anzeigen
Zoom 2:1</translation>
    </message>
    <message id="32806">
        <source>Show the picture three times as large
Zoom 3:1</source>
        <extracomment>app.def CmdZoom3</extracomment>
        <translation>Das Bild dreimal so groß anzeigen
Zoom 3:1</translation>
    </message>
    <message id="32807">
        <source>Show the picture four times as large
Zoom 4:1</source>
        <extracomment>app.def CmdZoom4</extracomment>
        <translation>Das Bild viermal so groß anzeigen
Zoom 4:1</translation>
    </message>
    <message id="32808">
        <source>Show the picture five times as large
Zoom 5:1</source>
        <extracomment>app.def CmdZoom5</extracomment>
        <translation>Das Bild fünfmal so groß anzeigen
Zoom 5:1</translation>
    </message>
    <message id="32809">
        <source>Show the picture six times as large
Zoom 6:1</source>
        <extracomment>app.def CmdZoom6</extracomment>
        <translation>Das Bild sechsmal so groß anzeigen
Zoom 6:1</translation>
    </message>
    <message id="32810">
        <source>Show the picture seven times as large
Zoom 7:1</source>
        <extracomment>app.def CmdZoom7</extracomment>
        <translation>Das Bild siebenmal so groß anzeigen
Zoom 7:1</translation>
    </message>
    <message id="32811">
        <source>Show the picture eight times as large
Zoom 8:1</source>
        <extracomment>app.def CmdZoom8</extracomment>
        <translation>Das Bild achtmal so groß anzeigen
Zoom 8:1</translation>
    </message>
    <message id="32825">
        <source>Keep the Tessary window above all other windows
Keep Visible</source>
        <extracomment>app.def CmdKeepVisible</extracomment>
        <translation>Das Tessary-Fenster über allen anderen Fenstern halten
Immer im Vordergrund</translation>
    </message>
    <message id="32827">
        <source>Make the selected area the first of the map
Bring to front</source>
        <extracomment>app.def CmdMoveToFront</extracomment>
        <translation>Den ausgewählten Bereich zum ersten der Map machen
In den Vordergrund</translation>
    </message>
    <message id="32828">
        <source>Make the selected area the last of the map
Send to back</source>
        <extracomment>app.def CmdSendToBack</extracomment>
        <translation>Den ausgewählten Bereich zum letzten der Map machen
In den Hintergrund</translation>
    </message>
    <message id="32829">
        <source>Create a new button picture and map it with the Image wizard
Create New Image</source>
        <extracomment>app.def CmdCreateNewImage</extracomment>
        <translation>Ein neues Schaltflächenbild erstellen und mit dem Bild-Assistenten mappen
Neues Bild erstellen</translation>
    </message>
    <message id="57600">
        <source>Create a new image map with the New Map wizard
New Image Map</source>
        <extracomment>app.def CmdNewImageMap</extracomment>
        <translation>Eine neue Imagemap mit dem Map-Assistenten erstellen
Neue Imagemap</translation>
    </message>
    <message id="57601">
        <source>Open an existing image map
Open</source>
        <extracomment>app.def CmdOpen</extracomment>
        <translation>Eine vorhandene Imagemap öffnen
Öffnen</translation>
    </message>
    <message id="57602">
        <source>Close the active map
Close</source>
        <extracomment>app.def CmdClose</extracomment>
        <translation>Die aktive Map schließen
Schließen</translation>
    </message>
    <message id="57603">
        <source>Save the active map
Save</source>
        <extracomment>app.def CmdSave</extracomment>
        <translation>Die aktive Map speichern
Speichern</translation>
    </message>
    <message id="57604">
        <source>Save the active map under a new name
Save As</source>
        <extracomment>app.def CmdSaveAs</extracomment>
        <translation>Die aktive Map unter einem neuen Namen speichern
Speichern unter</translation>
    </message>
    <message id="57607">
        <source>Print the active map
Print</source>
        <extracomment>app.def CmdPrint</extracomment>
        <translation>Die aktive Map drucken
Drucken</translation>
    </message>
    <message id="57616">
        <source>Open this map
Recent File</source>
        <extracomment>app.def CmdRecentFile</extracomment>
        <translation>Diese Map öffnen
Zuletzt verwendete Datei</translation>
    </message>
    <message id="57634">
        <source>Copy the selected area to the clipboard
Copy</source>
        <extracomment>app.def CmdCopy</extracomment>
        <translation>Den ausgewählten Bereich in die Zwischenablage kopieren
Kopieren</translation>
    </message>
    <message id="57635">
        <source>Cut the selected area to the clipboard
Cut</source>
        <extracomment>app.def CmdCut</extracomment>
        <translation>Den ausgewählten Bereich in die Zwischenablage ausschneiden
Ausschneiden</translation>
    </message>
    <message id="57637">
        <source>Paste an area from the clipboard
Paste</source>
        <extracomment>app.def CmdPaste</extracomment>
        <translation>Einen Bereich aus der Zwischenablage einfügen
Einfügen</translation>
    </message>
    <message id="57643">
        <source>Undo the last action
Undo</source>
        <extracomment>app.def CmdUndo</extracomment>
        <translation>Die letzte Aktion rückgängig machen
Rückgängig</translation>
    </message>
    <message id="57649">
        <source>Arrange the icons of minimized map windows
Arrange Icons</source>
        <extracomment>app.def CmdArrange</extracomment>
        <translation>Die Symbole minimierter Map-Fenster anordnen
Symbole anordnen</translation>
    </message>
    <message id="57650">
        <source>Arrange the map windows so that they overlap
Cascade</source>
        <extracomment>app.def CmdCascade</extracomment>
        <translation>Die Map-Fenster überlappend anordnen
Überlappend</translation>
    </message>
    <message id="57651">
        <source>Arrange the map windows side by side
Tile</source>
        <extracomment>app.def CmdTile</extracomment>
        <translation>Die Map-Fenster nebeneinander anordnen
Nebeneinander</translation>
    </message>
    <message id="57664">
        <source>Show the program's version
About</source>
        <extracomment>app.def CmdAbout</extracomment>
        <translation>Die Version des Programms anzeigen
Über</translation>
    </message>
    <message id="57665">
        <source>Quit Tessary; changed maps can be saved first
Exit</source>
        <extracomment>app.def CmdExit</extracomment>
        <translation>Tessary beenden; geänderte Maps können vorher gespeichert werden
Beenden</translation>
    </message>
    <message id="57666">
        <source>List the help topics
Help Contents</source>
        <extracomment>app.def CmdHelpContents</extracomment>
        <translation>Die Hilfethemen auflisten
Hilfeinhalt</translation>
    </message>
    <message id="57670">
        <source>Show help on the current task
Help</source>
        <extracomment>app.def CmdHelp</extracomment>
        <translation>Hilfe zur aktuellen Aufgabe anzeigen
Hilfe</translation>
    </message>
    <message id="57680">
        <source>Move to the next pane of the map window
Next Pane</source>
        <extracomment>app.def CmdNextPane</extracomment>
        <translation>Zum nächsten Teil des Map-Fensters wechseln
Nächster Bereich</translation>
    </message>
    <message id="57681">
        <source>Move to the previous pane of the map window
Previous Pane</source>
        <extracomment>app.def CmdPreviousPane</extracomment>
        <translation>Zum vorigen Teil des Map-Fensters wechseln
Voriger Bereich</translation>
    </message>
    <message id="59392">
        <source>Show or hide the toolbar
Toolbar</source>
        <extracomment>app.def CmdViewToolbar</extracomment>
        <translation>Die Werkzeugleiste ein- oder ausblenden
Werkzeugleiste</translation>
    </message>
    <message id="59393">
        <source>Show or hide the status bar
Status Bar</source>
        <extracomment>app.def CmdViewStatusBar</extracomment>
        <translation>Die Statusleiste ein- oder ausblenden
Statusleiste</translation>
    </message>
    <message id="8300">
        <source>&amp;File</source>
        <extracomment>app.def MenuFile</extracomment>
        <translation>&amp;Datei</translation>
    </message>
    <message id="8301">
        <source>&amp;Edit</source>
        <extracomment>app.def MenuEdit</extracomment>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message id="8302">
        <source>&amp;View</source>
        <extracomment>app.def MenuView</extracomment>
        <translation>&amp;Ansicht</translation>
    </message>
    <message id="8303">
        <source>&amp;Mapping</source>
        <extracomment>app.def MenuMapping</extracomment>
        <translation>&amp;Werkzeuge</translation>
    </message>
    <message id="8304">
        <source>&amp;Goodies</source>
        <extracomment>app.def MenuGoodies</extracomment>
        <translation>&amp;Extras</translation>
    </message>
    <message id="8305">
        <source>&amp;Window</source>
        <extracomment>app.def MenuWindow</extracomment>
        <translation>&amp;Fenster</translation>
    </message>
    <message id="8306">
        <source>&amp;Help</source>
        <extracomment>app.def MenuHelp</extracomment>
        <translation>&amp;Hilfe</translation>
    </message>
    <message id="8307">
        <source>&amp;Zoom To</source>
        <extracomment>app.def MenuZoomTo</extracomment>
        <translation>&amp;Zoomstufe</translation>
    </message>
    <message id="8310">
        <source>&amp;New Image Map...</source>
        <extracomment>app.def ItemNewImageMap</extracomment>
        <translation>&amp;Neue Imagemap...</translation>
    </message>
    <message id="8311">
        <source>C&amp;reate New Image...</source>
        <extracomment>app.def ItemCreateNewImage</extracomment>
        <translation>Neue &amp;Grafik erstellen...</translation>
    </message>
    <message id="8312">
        <source>&amp;Open...</source>
        <extracomment>app.def ItemOpen</extracomment>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message id="8313">
        <source>&amp;Close</source>
        <extracomment>app.def ItemClose</extracomment>
        <translation>Schl&amp;ießen</translation>
    </message>
    <message id="8314">
        <source>&amp;Save</source>
        <extracomment>app.def ItemSave</extracomment>
        <translation>&amp;Speichern</translation>
    </message>
    <message id="8315">
        <source>Save &amp;As...</source>
        <extracomment>app.def ItemSaveAs</extracomment>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message id="8316">
        <source>C&amp;hange Image to File...</source>
        <extracomment>app.def ItemChangeImage</extracomment>
        <translation>Bild durch &amp;Datei ersetzen...</translation>
    </message>
    <message id="8317">
        <source>&amp;Preferences...</source>
        <extracomment>app.def ItemPreferences</extracomment>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message id="8318">
        <source>E&amp;xit</source>
        <extracomment>app.def ItemExit</extracomment>
        <translation>&amp;Beenden</translation>
    </message>
    <message id="8319">
        <source>&amp;Print...</source>
        <extracomment>app.def ItemPrint</extracomment>
        <translation>&amp;Drucken...</translation>
    </message>
    <message id="8320">
        <source>&amp;Undo</source>
        <extracomment>app.def ItemUndo</extracomment>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message id="8321">
        <source>Cu&amp;t</source>
        <extracomment>app.def ItemCut</extracomment>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message id="8322">
        <source>&amp;Copy</source>
        <extracomment>app.def ItemCopy</extracomment>
        <translation>&amp;Kopieren</translation>
    </message>
    <message id="8323">
        <source>&amp;Paste</source>
        <extracomment>app.def ItemPaste</extracomment>
        <translation>&amp;Einfügen</translation>
    </message>
    <message id="8324">
        <source>&amp;Delete</source>
        <extracomment>app.def ItemDelete</extracomment>
        <translation>&amp;Löschen</translation>
    </message>
    <message id="8325">
        <source>Edit &amp;Area Info...</source>
        <extracomment>app.def ItemEditAreaInfo</extracomment>
        <translation>Bereichsinfo &amp;bearbeiten...</translation>
    </message>
    <message id="8326">
        <source>&amp;Toolbar</source>
        <extracomment>app.def ItemViewToolbar</extracomment>
        <translation>&amp;Werkzeugleiste</translation>
    </message>
    <message id="8327">
        <source>&amp;Status Bar</source>
        <extracomment>app.def ItemViewStatusBar</extracomment>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message id="8328">
        <source>&amp;Area List</source>
        <extracomment>app.def ItemAreaList</extracomment>
        <translation>&amp;Bereichsliste</translation>
    </message>
    <message id="8329">
        <source>Zoom &amp;In</source>
        <extracomment>app.def ItemZoomIn</extracomment>
        <translation>Ver&amp;größern</translation>
    </message>
    <message id="8330">
        <source>Zoom &amp;Out</source>
        <extracomment>app.def ItemZoomOut</extracomment>
        <translation>Verkleiner&amp;n</translation>
    </message>
    <message id="8332">
        <source>&amp;Rectangle</source>
        <extracomment>app.def ItemRectangle</extracomment>
        <translation>&amp;Rechteck</translation>
    </message>
    <message id="8333">
        <source>&amp;Circle</source>
        <extracomment>app.def ItemCircle</extracomment>
        <translation>&amp;Kreis</translation>
    </message>
    <message id="8334">
        <source>&amp;Polygon</source>
        <extracomment>app.def ItemPolygon</extracomment>
        <translation>&amp;Polygon</translation>
    </message>
    <message id="8335">
        <source>&amp;Arrow</source>
        <extracomment>app.def ItemArrow</extracomment>
        <translation>Pfei&amp;l</translation>
    </message>
    <message id="8336">
        <source>Edit &amp;Map Info...</source>
        <extracomment>app.def ItemEditMapInfo</extracomment>
        <translation>Map-Info &amp;bearbeiten...</translation>
    </message>
    <message id="8337">
        <source>&amp;Grid</source>
        <extracomment>app.def ItemGrid</extracomment>
        <translation>&amp;Fangraster</translation>
    </message>
    <message id="8338">
        <source>Grid &amp;Settings...</source>
        <extracomment>app.def ItemGridSettings</extracomment>
        <translation>Ra&amp;stereinstellungen...</translation>
    </message>
    <message id="8339">
        <source>Create G&amp;uides...</source>
        <extracomment>app.def ItemCreateGuides</extracomment>
        <translation>&amp;Hilfsbereiche erstellen...</translation>
    </message>
    <message id="8340">
        <source>&amp;Test Map...</source>
        <extracomment>app.def ItemTestMap</extracomment>
        <translation>Map &amp;testen...</translation>
    </message>
    <message id="8341">
        <source>&amp;Cascade</source>
        <extracomment>app.def ItemCascade</extracomment>
        <translation>Ü&amp;berlappend</translation>
    </message>
    <message id="8342">
        <source>&amp;Tile</source>
        <extracomment>app.def ItemTile</extracomment>
        <translation>&amp;Nebeneinander</translation>
    </message>
    <message id="8343">
        <source>&amp;Arrange Icons</source>
        <extracomment>app.def ItemArrange</extracomment>
        <translation>&amp;Symbole anordnen</translation>
    </message>
    <message id="8344">
        <source>&amp;Contents</source>
        <extracomment>app.def ItemHelpContents</extracomment>
        <translation>&amp;Inhalt</translation>
    </message>
    <message id="8345">
        <source>&amp;About Tessary...</source>
        <extracomment>app.def ItemAbout</extracomment>
        <translation>Ü&amp;ber Tessary...</translation>
    </message>
    <message id="8346">
        <source>&amp;Help</source>
        <extracomment>app.def ItemHelp</extracomment>
        <translation>&amp;Hilfe</translation>
    </message>
    <message id="8347">
        <source>&amp;Keep Visible</source>
        <extracomment>app.def ItemKeepVisible</extracomment>
        <translation>Immer im &amp;Vordergrund</translation>
    </message>
    <message id="8348">
        <source>Bring to &amp;Front</source>
        <extracomment>app.def ItemMoveToFront</extracomment>
        <translation>In den &amp;Vordergrund</translation>
    </message>
    <message id="8349">
        <source>Send to &amp;Back</source>
        <extracomment>app.def ItemSendToBack</extracomment>
        <translation>In den &amp;Hintergrund</translation>
    </message>
    <message id="8350">
        <source>&amp;Delete Point</source>
        <extracomment>app.def ItemDeletePoint</extracomment>
        <translation>&amp;Punkt löschen</translation>
    </message>
    <message id="8351">
        <source>&amp;Insert Point</source>
        <extracomment>app.def ItemInsertPoint</extracomment>
        <translation>Punkt &amp;einfügen</translation>
    </message>
    <message id="8352">
        <source>Ne&amp;xt Pane</source>
        <extracomment>app.def ItemNextPane</extracomment>
        <translation>&amp;Nächster Bereich</translation>
    </message>
    <message id="8353">
        <source>Pre&amp;vious Pane</source>
        <extracomment>app.def ItemPreviousPane</extracomment>
        <translation>&amp;Voriger Bereich</translation>
    </message>
    <message id="8354">
        <source>&amp;Welcome...</source>
        <extracomment>app.def ItemWelcome</extracomment>
        <translation>&amp;Willkommen...</translation>
    </message>
    <message id="8357">
        <source>Toolbar</source>
        <extracomment>app.def ToolbarMain</extracomment>
        <translation>Werkzeugleiste</translation>
    </message>
    <message id="8358">
        <source>Map</source>
        <extracomment>app.def ToolbarMap</extracomment>
        <translation>Map</translation>
    </message>
    <message id="8372">
        <source>Ready</source>
        <extracomment>app.def IdleMessage</extracomment>
        <translation>Bereit</translation>
    </message>
    <message id="8373">
        <source>Area %d is obscured</source>
        <extracomment>app.def AreaObscuredTip</extracomment>
        <translation>Bereich %d ist verdeckt</translation>
    </message>
    <message id="8374">
        <source>Area %d missing URL</source>
        <extracomment>app.def AreaMissingUrlTip</extracomment>
        <translation>Bereich %d hat keine URL</translation>
    </message>
    <message id="8381">
        <source>Save changes to %s?</source>
        <extracomment>app.def SaveChangesQuestion</extracomment>
        <translation>Änderungen an %s speichern?</translation>
    </message>
    <message id="8382">
        <source>Program/System Failure</source>
        <extracomment>app.def StartupFailureCaption</extracomment>
        <translation>Programm-/Systemfehler</translation>
    </message>
    <message id="8385">
        <source>URL</source>
        <extracomment>app.def AreaListUrl</extracomment>
        <translation>URL</translation>
    </message>
    <message id="8386">
        <source>Open as &amp;read-only</source>
        <extracomment>app.def ReadOnlyBox</extracomment>
        <translation>&amp;Schreibgeschützt öffnen</translation>
    </message>
    <message id="8387">
        <source>Save the Image Map file</source>
        <extracomment>app.def SaveMapTitle</extracomment>
        <translation>Imagemap-Datei speichern</translation>
    </message>
    <message id="8388">
        <source>%s
This file aready exists.
Replace existing file?</source>
        <extracomment>app.def ReplaceExistingFile</extracomment>
        <translation>%s
Diese Datei ist bereits vorhanden.
Vorhandene Datei ersetzen?</translation>
    </message>
    <message id="8389">
        <source>This HTML file is malformed. Refusing to save into this file due to extreme possibility of destroying the file.</source>
        <extracomment>app.def MalformedPage</extracomment>
        <translation>Diese HTML-Datei ist fehlerhaft aufgebaut. Tessary speichert nicht in diese Datei, weil sie dabei sehr wahrscheinlich zerstört würde.</translation>
    </message>
    <message id="8390">
        <source>Map Saved</source>
        <extracomment>app.def SavedTitle</extracomment>
        <translation>Map gespeichert</translation>
    </message>
    <message id="8391">
        <source>&amp;Don't show this dialog again.</source>
        <extracomment>app.def SavedDontShow</extracomment>
        <translation>&amp;Diesen Dialog nicht mehr anzeigen.</translation>
    </message>
    <message id="8392">
        <source>Multiple Maps in HTML File</source>
        <extracomment>app.def MultipleMapsTitle</extracomment>
        <translation>Mehrere Maps in der HTML-Datei</translation>
    </message>
    <message id="8393">
        <source>This HTML file holds more than one map. Choose the map to edit:</source>
        <extracomment>app.def MultipleMapsPrompt</extracomment>
        <translation>Diese HTML-Datei enthält mehr als eine Map. Wählen Sie die Map, die Sie bearbeiten möchten:</translation>
    </message>
    <message id="8394">
        <source>Map Name</source>
        <extracomment>app.def MultipleMapsName</extracomment>
        <translation>Map-Name</translation>
    </message>
    <message id="8395">
        <source>Related Graphic</source>
        <extracomment>app.def MultipleMapsGraphic</extracomment>
        <translation>Zugehörige Grafik</translation>
    </message>
    <message id="8400">
        <source>Grid Settings</source>
        <extracomment>app.def GridTitle</extracomment>
        <translation>Rastereinstellungen</translation>
    </message>
    <message id="8401">
        <source>&amp;Snap-To Grid Enabled</source>
        <extracomment>app.def GridEnabled</extracomment>
        <translation>&amp;Fangraster aktiviert</translation>
    </message>
    <message id="8402">
        <source>Visibility</source>
        <extracomment>app.def GridVisibility</extracomment>
        <translation>Sichtbarkeit</translation>
    </message>
    <message id="8403">
        <source>&amp;Hidden</source>
        <extracomment>app.def GridHidden</extracomment>
        <translation>&amp;Ausgeblendet</translation>
    </message>
    <message id="8404">
        <source>L&amp;ines</source>
        <extracomment>app.def GridLines</extracomment>
        <translation>L&amp;inien</translation>
    </message>
    <message id="8405">
        <source>&amp;Crosses</source>
        <extracomment>app.def GridCrosses</extracomment>
        <translation>&amp;Kreuze</translation>
    </message>
    <message id="8406">
        <source>Spacing and offset in image pixels</source>
        <extracomment>app.def GridSpacing</extracomment>
        <translation>Abstand und Versatz in Bildpixeln</translation>
    </message>
    <message id="8407">
        <source>&amp;Width:</source>
        <extracomment>app.def GridWidth</extracomment>
        <translation>&amp;Breite:</translation>
    </message>
    <message id="8408">
        <source>H&amp;eight:</source>
        <extracomment>app.def GridHeight</extracomment>
        <translation>&amp;Höhe:</translation>
    </message>
    <message id="8409">
        <source>Offset from &amp;left:</source>
        <extracomment>app.def GridOffsetLeft</extracomment>
        <translation>Versatz von &amp;links:</translation>
    </message>
    <message id="8410">
        <source>Offset from &amp;top:</source>
        <extracomment>app.def GridOffsetTop</extracomment>
        <translation>Versatz von &amp;oben:</translation>
    </message>
    <message id="8420">
        <source>Command Line Switches</source>
        <extracomment>app.def SwitchesTitle</extracomment>
        <translation>Befehlszeilenschalter</translation>
    </message>
    <message id="8421">
        <source>Tessary.exe {filename} {/m:mapfile} {/g:imagefile}</source>
        <extracomment>app.def SwitchesSyntax</extracomment>
        <translation>Tessary.exe {Dateiname} {/m:Mapdatei} {/g:Bilddatei}</translation>
    </message>
    <message id="8422">
        <source>filename: an image map to open (.map, .imp, .htm or .html).</source>
        <extracomment>app.def SwitchesFile</extracomment>
        <translation>Dateiname: eine Imagemap, die geöffnet wird (.map, .imp, .htm oder .html).</translation>
    </message>
    <message id="8423">
        <source>/m:mapfile: without a filename, a new map starts that will be saved in mapfile.</source>
        <extracomment>app.def SwitchesMap</extracomment>
        <translation>/m:Mapdatei: ohne Dateinamen beginnt eine neue Map, die in der Mapdatei gespeichert wird.</translation>
    </message>
    <message id="8424">
        <source>/g:imagefile: the picture (GIF, JPG or PNG) of the map; without a filename, a new map starts on it without a wizard.</source>
        <extracomment>app.def SwitchesImage</extracomment>
        <translation>/g:Bilddatei: das Bild (GIF, JPG oder PNG) der Map; ohne Dateinamen beginnt darauf eine neue Map ohne Assistenten.</translation>
    </message>
    <message id="8425">
        <source>Every switch may begin with - instead of /.</source>
        <extracomment>app.def SwitchesDash</extracomment>
        <translation>Jeder Schalter kann statt mit / auch mit - beginnen.</translation>
    </message>
    <message id="8440">
        <source>Welcome to Tessary</source>
        <extracomment>app.def WelcomeTitle</extracomment>
        <translation>Willkommen bei Tessary</translation>
    </message>
    <message id="8441">
        <source>What would you like to do?</source>
        <extracomment>app.def WelcomeQuestion</extracomment>
        <translation>Was möchten Sie tun?</translation>
    </message>
    <message id="8442">
        <source>&amp;Open an existing image map</source>
        <extracomment>app.def WelcomeOpen</extracomment>
        <translation>Eine vorhandene Imagemap ö&amp;ffnen</translation>
    </message>
    <message id="8443">
        <source>Start the New &amp;Image Map Wizard</source>
        <extracomment>app.def WelcomeNewMap</extracomment>
        <translation>Den Assistenten für neue &amp;Imagemaps starten</translation>
    </message>
    <message id="8444">
        <source>Start the Image &amp;Creator</source>
        <extracomment>app.def WelcomeCreateImage</extracomment>
        <translation>Den &amp;Bildgestalter starten</translation>
    </message>
    <message id="8445">
        <source>&amp;Never show this dialog again.</source>
        <extracomment>app.def WelcomeNeverShow</extracomment>
        <translation>Diesen Dialog &amp;nie mehr anzeigen.</translation>
    </message>
    <message id="8460">
        <source>version </source>
        <extracomment>app.def AboutVersionLead</extracomment>
        <translation>Version </translation>
    </message>
    <message id="8640">
        <source>Comment</source>
        <extracomment>guides.def AreaListComment</extracomment>
        <translation>Kommentar</translation>
    </message>
    <message id="8641">
        <source>Frame Target</source>
        <extracomment>guides.def AreaListTarget</extracomment>
        <translation>Zielframe</translation>
    </message>
    <message id="8642">
        <source>Create Guides</source>
        <extracomment>guides.def GuidesTitle</extracomment>
        <translation>Hilfsbereiche erstellen</translation>
    </message>
    <message id="8643">
        <source>Number &amp;across:</source>
        <extracomment>guides.def GuidesAcrossLabel</extracomment>
        <translation>Anzahl neben&amp;einander:</translation>
    </message>
    <message id="8644">
        <source>Number &amp;down:</source>
        <extracomment>guides.def GuidesDownLabel</extracomment>
        <translation>Anzahl unterei&amp;nander:</translation>
    </message>
    <message id="8645">
        <source>&amp;Width of each guide:</source>
        <extracomment>guides.def GuidesWidthLabel</extracomment>
        <translation>&amp;Breite jedes Bereichs:</translation>
    </message>
    <message id="8646">
        <source>&amp;Height of each guide:</source>
        <extracomment>guides.def GuidesHeightLabel</extracomment>
        <translation>&amp;Höhe jedes Bereichs:</translation>
    </message>
    <message id="8647">
        <source>Hori&amp;zontal spacing:</source>
        <extracomment>guides.def GuidesSpacingXLabel</extracomment>
        <translation>Hori&amp;zontaler Abstand:</translation>
    </message>
    <message id="8648">
        <source>&amp;Vertical spacing:</source>
        <extracomment>guides.def GuidesSpacingYLabel</extracomment>
        <translation>&amp;Vertikaler Abstand:</translation>
    </message>
    <message id="8649">
        <source>&amp;Left start:</source>
        <extracomment>guides.def GuidesLeftStartLabel</extracomment>
        <translation>Beginn &amp;links:</translation>
    </message>
    <message id="8650">
        <source>&amp;Top start:</source>
        <extracomment>guides.def GuidesTopStartLabel</extracomment>
        <translation>Beginn &amp;oben:</translation>
    </message>
    <message id="8651">
        <source>Base &amp;URL (%d numbers the guides):</source>
        <extracomment>guides.def GuidesBaseUrlLabel</extracomment>
        <translation>Basis-&amp;URL (%d nummeriert die Bereiche):</translation>
    </message>
    <message id="8652">
        <source>Image size:</source>
        <extracomment>guides.def GuidesImageSizeLabel</extracomment>
        <translation>Bildgröße:</translation>
    </message>
    <message id="8653">
        <source>Guides cover:</source>
        <extracomment>guides.def GuidesBoundsLabel</extracomment>
        <translation>Die Bereiche decken ab:</translation>
    </message>
    <message id="8654">
        <source>Areas Existing</source>
        <extracomment>guides.def AreasExistingTitle</extracomment>
        <translation>Vorhandene Bereiche</translation>
    </message>
    <message id="8655">
        <source>This map already has areas. Add the guides after them, or replace them with the guides?</source>
        <extracomment>guides.def AreasExistingText</extracomment>
        <translation>Diese Map hat bereits Bereiche. Sollen die Hilfsbereiche dahinter angefügt werden oder die vorhandenen ersetzen?</translation>
    </message>
    <message id="8656">
        <source>&amp;Add</source>
        <extracomment>guides.def AreasExistingAdd</extracomment>
        <translation>&amp;Anfügen</translation>
    </message>
    <message id="8657">
        <source>&amp;Replace</source>
        <extracomment>guides.def AreasExistingReplace</extracomment>
        <translation>&amp;Ersetzen</translation>
    </message>
    <message id="8461">
        <source>Test The Map</source>
        <extracomment>prefs.def TestMapIntroTitle</extracomment>
        <translation>Map testen</translation>
    </message>
    <message id="8462">
        <source>Test Map shows the picture at its own size, as a visitor's browser shows it. Point at the picture: the field below it shows the URL that a click there would follow.

This only shows what a visitor would see. To work for visitors, the map must be saved into its page and placed, with the page and the picture, on a web server.</source>
        <extracomment>prefs.def TestMapIntroText</extracomment>
        <translation>„Map testen“ zeigt das Bild in Originalgröße, so wie der Browser eines Besuchers es anzeigt. Zeigen Sie auf das Bild: Das Feld darunter zeigt die URL, der ein Klick an dieser Stelle folgen würde.

Das zeigt nur, was ein Besucher sehen würde. Damit die Map für Besucher funktioniert, muss sie in ihre Seite gespeichert und mit Seite und Bild auf einen Webserver gestellt werden.</translation>
    </message>
    <message id="8463">
        <source>&amp;Don't show this dialog next time.</source>
        <extracomment>prefs.def TestMapIntroDontShow</extracomment>
        <translation>&amp;Diesen Dialog beim nächsten Mal nicht anzeigen.</translation>
    </message>
    <message id="8464">
        <source>Test Map</source>
        <extracomment>prefs.def TestMapTitle</extracomment>
        <translation>Map testen</translation>
    </message>
    <message id="8465">
        <source>URL:</source>
        <extracomment>prefs.def TestMapUrl</extracomment>
        <translation>URL:</translation>
    </message>
    <message id="8466">
        <source>&amp;Done</source>
        <extracomment>prefs.def TestMapDone</extracomment>
        <translation>&amp;Fertig</translation>
    </message>
    <message id="8467">
        <source>Preference Settings</source>
        <extracomment>prefs.def PrefsTitle</extracomment>
        <translation>Einstellungen</translation>
    </message>
    <message id="8468">
        <source>General</source>
        <extracomment>prefs.def PrefsGeneral</extracomment>
        <translation>Allgemein</translation>
    </message>
    <message id="8469">
        <source>Colors</source>
        <extracomment>prefs.def PrefsColors</extracomment>
        <translation>Farben</translation>
    </message>
    <message id="8470">
        <source>Guru</source>
        <extracomment>prefs.def PrefsGuru</extracomment>
        <translation>Experte</translation>
    </message>
    <message id="8471">
        <source>&amp;Prompt for new area info</source>
        <extracomment>prefs.def PrefsAreaPrompt</extracomment>
        <translation>Nach dem Zeichnen nach Bereichsinfo &amp;fragen</translation>
    </message>
    <message id="8472">
        <source>&amp;Require default URL</source>
        <extracomment>prefs.def PrefsRequireDefault</extracomment>
        <translation>Standard-URL &amp;verlangen</translation>
    </message>
    <message id="8473">
        <source>Show area &amp;url tip</source>
        <extracomment>prefs.def PrefsShowAreaTips</extracomment>
        <translation>&amp;URL-Tooltip für Bereiche anzeigen</translation>
    </message>
    <message id="8474">
        <source>Show &amp;area handles</source>
        <extracomment>prefs.def PrefsShowHandles</extracomment>
        <translation>&amp;Anfasser der Bereiche anzeigen</translation>
    </message>
    <message id="8475">
        <source>Use &amp;double-sized grab handles</source>
        <extracomment>prefs.def PrefsGrabSize</extracomment>
        <translation>&amp;Doppelt große Anfasser verwenden</translation>
    </message>
    <message id="8476">
        <source>Maximize map window when opening</source>
        <extracomment>prefs.def PrefsMaximizeOnOpen</extracomment>
        <translation>Map-Fenster beim Öffnen maximieren</translation>
    </message>
    <message id="8477">
        <source>Zoom small images to fit window</source>
        <extracomment>prefs.def PrefsZoomToFit</extracomment>
        <translation>Kleine Bilder auf Fenstergröße zoomen</translation>
    </message>
    <message id="8478">
        <source>Default color</source>
        <extracomment>prefs.def PrefsDefaultColor</extracomment>
        <translation>Standardfarbe</translation>
    </message>
    <message id="8479">
        <source>Selected color</source>
        <extracomment>prefs.def PrefsSelectedColor</extracomment>
        <translation>Farbe der Auswahl</translation>
    </message>
    <message id="8480">
        <source>Flyby color</source>
        <extracomment>prefs.def PrefsFlybyColor</extracomment>
        <translation>Farbe beim Überfahren</translation>
    </message>
    <message id="8481">
        <source>Area Fill Color and Style</source>
        <extracomment>prefs.def PrefsFill</extracomment>
        <translation>Füllfarbe und -muster der Bereiche</translation>
    </message>
    <message id="8482">
        <source>&amp;Enabled</source>
        <extracomment>prefs.def PrefsFillEnabled</extracomment>
        <translation>&amp;Aktiviert</translation>
    </message>
    <message id="8483">
        <source>&amp;Max. Recent files:</source>
        <extracomment>prefs.def PrefsMaxRecent</extracomment>
        <translation>&amp;Max. zuletzt verwendete Dateien:</translation>
    </message>
    <message id="8484">
        <source>&amp;Clear List</source>
        <extracomment>prefs.def PrefsClearList</extracomment>
        <translation>Liste &amp;leeren</translation>
    </message>
    <message id="8485">
        <source>Text to supply as &amp;default URL when needed:</source>
        <extracomment>prefs.def PrefsDefaultUrlLead</extracomment>
        <translation>Text, der bei Bedarf als &amp;Standard-URL eingesetzt wird:</translation>
    </message>
    <message id="8486">
        <source>Colour of the outline's dots</source>
        <extracomment>prefs.def PrefsLineColorTip</extracomment>
        <translation>Farbe der Punkte der Umrisslinie</translation>
    </message>
    <message id="8487">
        <source>Colour between the outline's dots</source>
        <extracomment>prefs.def PrefsBackColorTip</extracomment>
        <translation>Farbe zwischen den Punkten der Umrisslinie</translation>
    </message>
    <message id="8488">
        <source>Colour of the hatching</source>
        <extracomment>prefs.def PrefsFillColorTip</extracomment>
        <translation>Farbe der Schraffur</translation>
    </message>
    <message id="8489">
        <source>Choose a Colour</source>
        <extracomment>prefs.def ColorPickerTitle</extracomment>
        <translation>Farbe auswählen</translation>
    </message>
    <message id="7056">
        <source>The new Max Recent Files setting will take effect the next time you run Tessary.</source>
        <extracomment>prefs.def MaxRecentNextRun</extracomment>
        <translation>Die neue Anzahl zuletzt verwendeter Dateien gilt ab dem nächsten Start von Tessary.</translation>
    </message>
    <message id="57644">
        <source>Redo the previously undone action
Redo</source>
        <extracomment>undo.def CmdRedo</extracomment>
        <translation>Die zuletzt rückgängig gemachte Aktion wiederherstellen
Wiederherstellen</translation>
    </message>
    <message id="8550">
        <source>&amp;Redo</source>
        <extracomment>undo.def ItemRedo</extracomment>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message id="8551">
        <source>&amp;Undo %s</source>
        <extracomment>undo.def ItemUndoStep</extracomment>
        <translation>&amp;Rückgängig: %s</translation>
    </message>
    <message id="8552">
        <source>&amp;Redo %s</source>
        <extracomment>undo.def ItemRedoStep</extracomment>
        <translation>&amp;Wiederherstellen: %s</translation>
    </message>
    <message id="8555">
        <source>Draw Area</source>
        <extracomment>undo.def StepDrawArea</extracomment>
        <translation>Bereich zeichnen</translation>
    </message>
    <message id="8556">
        <source>Paste</source>
        <extracomment>undo.def StepPaste</extracomment>
        <translation>Einfügen</translation>
    </message>
    <message id="8557">
        <source>Delete Area</source>
        <extracomment>undo.def StepDeleteArea</extracomment>
        <translation>Bereich löschen</translation>
    </message>
    <message id="8558">
        <source>Cut</source>
        <extracomment>undo.def StepCut</extracomment>
        <translation>Ausschneiden</translation>
    </message>
    <message id="8559">
        <source>Bring to Front</source>
        <extracomment>undo.def StepBringToFront</extracomment>
        <translation>In den Vordergrund</translation>
    </message>
    <message id="8560">
        <source>Send to Back</source>
        <extracomment>undo.def StepSendToBack</extracomment>
        <translation>In den Hintergrund</translation>
    </message>
    <message id="8561">
        <source>Reorder Area</source>
        <extracomment>undo.def StepReorderArea</extracomment>
        <translation>Bereich umordnen</translation>
    </message>
    <message id="8562">
        <source>Move Area</source>
        <extracomment>undo.def StepMoveArea</extracomment>
        <translation>Bereich verschieben</translation>
    </message>
    <message id="8563">
        <source>Reshape Area</source>
        <extracomment>undo.def StepReshapeArea</extracomment>
        <translation>Bereich verformen</translation>
    </message>
    <message id="8564">
        <source>Insert Point</source>
        <extracomment>undo.def StepInsertPoint</extracomment>
        <translation>Punkt einfügen</translation>
    </message>
    <message id="8565">
        <source>Delete Point</source>
        <extracomment>undo.def StepDeletePoint</extracomment>
        <translation>Punkt löschen</translation>
    </message>
    <message id="8566">
        <source>Area Settings</source>
        <extracomment>undo.def StepAreaSettings</extracomment>
        <translation>Bereichseigenschaften</translation>
    </message>
    <message id="8567">
        <source>Drop URL</source>
        <extracomment>undo.def StepDropUrl</extracomment>
        <translation>URL ablegen</translation>
    </message>
    <message id="8568">
        <source>Edit Map Info</source>
        <extracomment>undo.def StepEditMapInfo</extracomment>
        <translation>Map-Info bearbeiten</translation>
    </message>
    <message id="8569">
        <source>Change Image</source>
        <extracomment>undo.def StepChangeImage</extracomment>
        <translation>Bild ändern</translation>
    </message>
    <message id="8570">
        <source>Clip Areas to Image</source>
        <extracomment>undo.def StepClipAreas</extracomment>
        <translation>Bereiche auf Bild beschneiden</translation>
    </message>
    <message id="8571">
        <source>Create Guides</source>
        <extracomment>undo.def StepCreateGuides</extracomment>
        <translation>Hilfsbereiche erstellen</translation>
    </message>
    <message id="8572">
        <source>Delete All Areas</source>
        <extracomment>undo.def StepDeleteAllAreas</extracomment>
        <translation>Alle Bereiche löschen</translation>
    </message>
    <message id="8700">
        <source>New Map Wizard</source>
        <extracomment>newmap.def NewMapWizardTitle</extracomment>
        <translation>Map-Assistent</translation>
    </message>
    <message id="8701">
        <source>Create a new image map</source>
        <extracomment>newmap.def WizPageAA</extracomment>
        <translation>Neue Imagemap erstellen</translation>
    </message>
    <message id="8702">
        <source>New map in existing HTML - Step 1</source>
        <extracomment>newmap.def WizPageAB</extracomment>
        <translation>Neue Map in vorhandener HTML-Datei – Schritt 1</translation>
    </message>
    <message id="8703">
        <source>New map in existing HTML - Step 2</source>
        <extracomment>newmap.def WizPageAC</extracomment>
        <translation>Neue Map in vorhandener HTML-Datei – Schritt 2</translation>
    </message>
    <message id="8704">
        <source>New map in existing HTML - Step 3</source>
        <extracomment>newmap.def WizPageAD</extracomment>
        <translation>Neue Map in vorhandener HTML-Datei – Schritt 3</translation>
    </message>
    <message id="8705">
        <source>Brand New HTML file - Step 1</source>
        <extracomment>newmap.def WizPageBB</extracomment>
        <translation>Neue HTML-Datei – Schritt 1</translation>
    </message>
    <message id="8706">
        <source>Brand New HTML file - Step 2</source>
        <extracomment>newmap.def WizPageBC</extracomment>
        <translation>Neue HTML-Datei – Schritt 2</translation>
    </message>
    <message id="8707">
        <source>Brand New HTML file - Step 3</source>
        <extracomment>newmap.def WizPageBD</extracomment>
        <translation>Neue HTML-Datei – Schritt 3</translation>
    </message>
    <message id="8708">
        <source>Create the new image map in</source>
        <extracomment>newmap.def WizIntro</extracomment>
        <translation>Die neue Imagemap anlegen in</translation>
    </message>
    <message id="8709">
        <source>... an &amp;existing HTML file</source>
        <extracomment>newmap.def WizChoiceExisting</extracomment>
        <translation>... einer &amp;vorhandenen HTML-Datei</translation>
    </message>
    <message id="8710">
        <source>... a brand-new &amp;HTML file</source>
        <extracomment>newmap.def WizChoiceNew</extracomment>
        <translation>... einer neuen &amp;HTML-Datei</translation>
    </message>
    <message id="8711">
        <source>Currently selected HTML file has %s existing map%s and %s existing image%s.</source>
        <extracomment>newmap.def PageCountStatus</extracomment>
        <translation>Die gewählte HTML-Datei enthält %s Image-Map%s und %s IMG-Tag%s.</translation>
    </message>
    <message id="8712">
        <source>no</source>
        <extracomment>newmap.def CountNone</extracomment>
        <translation>keine</translation>
    </message>
    <message id="8713">
        <source>s</source>
        <extracomment>newmap.def PluralEnding</extracomment>
        <translation>s</translation>
    </message>
    <message id="8714">
        <source>Choose the HTML file that is to hold the new map.</source>
        <extracomment>newmap.def ChoosePagePrompt</extracomment>
        <translation>Wählen Sie die HTML-Datei, die die neue Map aufnehmen soll.</translation>
    </message>
    <message id="8715">
        <source>Image Name</source>
        <extracomment>newmap.def ColumnImageName</extracomment>
        <translation>Bildname</translation>
    </message>
    <message id="8716">
        <source>Map Name</source>
        <extracomment>newmap.def ColumnMapName</extracomment>
        <translation>Map-Name</translation>
    </message>
    <message id="8717">
        <source>Size</source>
        <extracomment>newmap.def ColumnSize</extracomment>
        <translation>Größe</translation>
    </message>
    <message id="8719">
        <source>Choose the image the map is for, or add a new image to the page.</source>
        <extracomment>newmap.def ChooseImagePrompt</extracomment>
        <translation>Wählen Sie das Bild, zu dem die Map gehört, oder fügen Sie der Seite ein neues Bild hinzu.</translation>
    </message>
    <message id="8720">
        <source>The image that you have selected already has a map attached to it.
Do you wish to overwrite this existing map?</source>
        <extracomment>newmap.def ImageHasMap</extracomment>
        <translation>Das gewählte Bild hat bereits eine Map.
Möchten Sie die vorhandene Map überschreiben?</translation>
    </message>
    <message id="8721">
        <source>Add Image...</source>
        <extracomment>newmap.def AddImageButton</extracomment>
        <translation>Bild hinzufügen...</translation>
    </message>
    <message id="8722">
        <source>HTML file:</source>
        <extracomment>newmap.def HtmlFileLabel</extracomment>
        <translation>HTML-Datei:</translation>
    </message>
    <message id="8723">
        <source>Image file:</source>
        <extracomment>newmap.def ImageFileLabel</extracomment>
        <translation>Bilddatei:</translation>
    </message>
    <message id="8724">
        <source>Map name:</source>
        <extracomment>newmap.def MapNameLabel</extracomment>
        <translation>Map-Name:</translation>
    </message>
    <message id="8726">
        <source>The map name needs at least one character and may hold no spaces, double quotes (") or "#".</source>
        <extracomment>newmap.def MapNameRule</extracomment>
        <translation>Der Name der Map braucht mindestens ein Zeichen und darf keine Leerzeichen, doppelten Anführungszeichen (") oder "#" enthalten.</translation>
    </message>
    <message id="8727">
        <source>A map name cannot hold spaces, double quotes or "#".</source>
        <extracomment>newmap.def MapNameRefused</extracomment>
        <translation>Ein Map-Name darf keine Leerzeichen, doppelten Anführungszeichen oder „#“ enthalten.</translation>
    </message>
    <message id="8728">
        <source>The HTML file already holds a map named "%s".
Do you wish to replace that map?</source>
        <extracomment>newmap.def MapNameExists</extracomment>
        <translation>Die HTML-Datei enthält bereits eine Map namens „%s“.
Möchten Sie diese Map ersetzen?</translation>
    </message>
    <message id="8729">
        <source>HTML file name:</source>
        <extracomment>newmap.def PageFileNameLabel</extracomment>
        <translation>Name der HTML-Datei:</translation>
    </message>
    <message id="8730">
        <source>Choose the folder of the new HTML file and give it a name.</source>
        <extracomment>newmap.def NewPagePrompt</extracomment>
        <translation>Wählen Sie den Ordner der neuen HTML-Datei und geben Sie ihr einen Namen.</translation>
    </message>
    <message id="8731">
        <source>%s
This file already exists. The new map will be added to it and the rest of the file kept.
Use this file?</source>
        <extracomment>newmap.def PageExists</extracomment>
        <translation>%s
Diese Datei ist bereits vorhanden. Die neue Map wird ihr hinzugefügt, der Rest der Datei bleibt erhalten.
Diese Datei verwenden?</translation>
    </message>
    <message id="8732">
        <source>Choose the image the new map is drawn on.</source>
        <extracomment>newmap.def ChoosePicturePrompt</extracomment>
        <translation>Wählen Sie das Bild, auf dem die neue Map gezeichnet wird.</translation>
    </message>
    <message id="8733">
        <source>Save As New Map into Existing HTML file</source>
        <extracomment>newmap.def PlacementTitle</extracomment>
        <translation>Als neue Map in vorhandener HTML-Datei speichern</translation>
    </message>
    <message id="8734">
        <source>Replace existing map?</source>
        <extracomment>newmap.def ReplaceExistingMap</extracomment>
        <translation>Vorhandene Map ersetzen?</translation>
    </message>
    <message id="8735">
        <source>Add new image to HTML file</source>
        <extracomment>newmap.def AddImageTitle</extracomment>
        <translation>Neues Bild zur HTML-Datei hinzufügen</translation>
    </message>
    <message id="8736">
        <source>Add new image and map to existing HTML file</source>
        <extracomment>newmap.def AddImageAndMapTitle</extracomment>
        <translation>Neues Bild mit Map zur vorhandenen HTML-Datei hinzufügen</translation>
    </message>
    <message id="8737">
        <source>Browse...</source>
        <extracomment>newmap.def BrowseButton</extracomment>
        <translation>Durchsuchen...</translation>
    </message>
    <message id="8738">
        <source>Insert at cursor</source>
        <extracomment>newmap.def InsertAtCursor</extracomment>
        <translation>An der Schreibmarke einfügen</translation>
    </message>
    <message id="8739">
        <source>Place the cursor between two tags of the page body, where the new image is to go.</source>
        <extracomment>newmap.def InsertPointHint</extracomment>
        <translation>Setzen Sie die Schreibmarke zwischen zwei Tags im Seitenkörper, dort, wo das neue Bild stehen soll.</translation>
    </message>
    <message id="8740">
        <source>Choose the image the map is for, or the map it replaces.</source>
        <extracomment>newmap.def PlacementPrompt</extracomment>
        <translation>Wählen Sie das Bild, zu dem die Map gehört, oder die Map, die sie ersetzt.</translation>
    </message>
    <message id="8741">
        <source>Folders</source>
        <extracomment>newmap.def BrowserFolders</extracomment>
        <translation>Ordner</translation>
    </message>
    <message id="8742">
        <source>Files</source>
        <extracomment>newmap.def BrowserFiles</extracomment>
        <translation>Dateien</translation>
    </message>
    <message id="8780">
        <source>Image Wizard</source>
        <extracomment>imagewiz.def ImgWizCaption</extracomment>
        <translation>Bild-Assistent</translation>
    </message>
    <message id="8781">
        <source>Image Wizard - Getting Started</source>
        <extracomment>imagewiz.def ImgWizStyleTitle</extracomment>
        <translation>Bild-Assistent – Erste Schritte</translation>
    </message>
    <message id="8782">
        <source>Image Wizard - Horizontal Navigation Bar</source>
        <extracomment>imagewiz.def ImgWizBarTitle</extracomment>
        <translation>Bild-Assistent – Horizontale Navigationsleiste</translation>
    </message>
    <message id="8783">
        <source>Image Wizard - Vertical Product Menu</source>
        <extracomment>imagewiz.def ImgWizMenuTitle</extracomment>
        <translation>Bild-Assistent – Vertikales Produktmenü</translation>
    </message>
    <message id="8784">
        <source>Image Wizard - Custom Grid</source>
        <extracomment>imagewiz.def ImgWizGridTitle</extracomment>
        <translation>Bild-Assistent – Eigenes Raster</translation>
    </message>
    <message id="8785">
        <source>Image Wizard - Save the Image</source>
        <extracomment>imagewiz.def ImgWizSaveTitle</extracomment>
        <translation>Bild-Assistent – Bild speichern</translation>
    </message>
    <message id="8786">
        <source>Horizontal Navigation Bar</source>
        <extracomment>imagewiz.def ImgWizKindBar</extracomment>
        <translation>Horizontale Navigationsleiste</translation>
    </message>
    <message id="8787">
        <source>Vertical Product Menu</source>
        <extracomment>imagewiz.def ImgWizKindMenu</extracomment>
        <translation>Vertikales Produktmenü</translation>
    </message>
    <message id="8788">
        <source>Custom X-by-Y Grid</source>
        <extracomment>imagewiz.def ImgWizKindGrid</extracomment>
        <translation>Eigenes Raster X × Y</translation>
    </message>
    <message id="8789">
        <source>Button &amp;style:</source>
        <extracomment>imagewiz.def ImgWizStyleList</extracomment>
        <translation>Schaltflächen&amp;stil:</translation>
    </message>
    <message id="8790">
        <source>Kind of picture:</source>
        <extracomment>imagewiz.def ImgWizKindGroup</extracomment>
        <translation>Art des Bildes:</translation>
    </message>
    <message id="8791">
        <source>&amp;Use other images...</source>
        <extracomment>imagewiz.def ImgWizOtherImages</extracomment>
        <translation>&amp;Andere Bilder verwenden...</translation>
    </message>
    <message id="8792">
        <source>HTML Map Files (*.htm *.html)</source>
        <extracomment>imagewiz.def ImgWizLibraryFilter</extracomment>
        <translation>HTML-Map-Dateien (*.htm *.html)</translation>
    </message>
    <message id="8793">
        <source>Columns:</source>
        <extracomment>imagewiz.def ImgWizColumns</extracomment>
        <translation>Spalten:</translation>
    </message>
    <message id="8794">
        <source>Rows:</source>
        <extracomment>imagewiz.def ImgWizRows</extracomment>
        <translation>Zeilen:</translation>
    </message>
    <message id="8795">
        <source>&amp;Font...</source>
        <extracomment>imagewiz.def ImgWizFont</extracomment>
        <translation>&amp;Schrift...</translation>
    </message>
    <message id="8796">
        <source>&amp;Colors...</source>
        <extracomment>imagewiz.def ImgWizColors</extracomment>
        <translation>&amp;Farben...</translation>
    </message>
    <message id="8797">
        <source>S&amp;pacing...</source>
        <extracomment>imagewiz.def ImgWizSpacing</extracomment>
        <translation>A&amp;bstände...</translation>
    </message>
    <message id="8798">
        <source>Real-time Preview:</source>
        <extracomment>imagewiz.def ImgWizPreview</extracomment>
        <translation>Live-Vorschau:</translation>
    </message>
    <message id="8799">
        <source>The picture would be larger than %1 x %1 pixels. Use fewer or smaller buttons, a smaller font or less spacing.</source>
        <extracomment>imagewiz.def ImgWizTooLarge</extracomment>
        <translation>Das Bild würde größer als %1 × %1 Pixel. Verwenden Sie weniger oder kleinere Schaltflächen, eine kleinere Schrift oder geringere Abstände.</translation>
    </message>
    <message id="8800">
        <source>Colors for the Image</source>
        <extracomment>imagewiz.def ImgWizColorsTitle</extracomment>
        <translation>Farben des Bildes</translation>
    </message>
    <message id="8801">
        <source>Text:</source>
        <extracomment>imagewiz.def ImgWizTextColor</extracomment>
        <translation>Text:</translation>
    </message>
    <message id="8802">
        <source>Outline:</source>
        <extracomment>imagewiz.def ImgWizOutlineColor</extracomment>
        <translation>Umriss:</translation>
    </message>
    <message id="8803">
        <source>Filler Color:</source>
        <extracomment>imagewiz.def ImgWizFillerColor</extracomment>
        <translation>Füllfarbe:</translation>
    </message>
    <message id="8805">
        <source>Image Spacing</source>
        <extracomment>imagewiz.def ImgWizSpacingTitle</extracomment>
        <translation>Abstände im Bild</translation>
    </message>
    <message id="8806">
        <source>Horizontal spacing:</source>
        <extracomment>imagewiz.def ImgWizSpacingH</extracomment>
        <translation>Horizontaler Abstand:</translation>
    </message>
    <message id="8807">
        <source>Vertical spacing:</source>
        <extracomment>imagewiz.def ImgWizSpacingV</extracomment>
        <translation>Vertikaler Abstand:</translation>
    </message>
    <message id="8808">
        <source>Horizontal caption offset:</source>
        <extracomment>imagewiz.def ImgWizOffsetH</extracomment>
        <translation>Horizontaler Versatz der Beschriftung:</translation>
    </message>
    <message id="8809">
        <source>Vertical caption offset:</source>
        <extracomment>imagewiz.def ImgWizOffsetV</extracomment>
        <translation>Vertikaler Versatz der Beschriftung:</translation>
    </message>
    <message id="8810">
        <source>File &amp;name:</source>
        <extracomment>imagewiz.def ImgWizFileName</extracomment>
        <translation>Datei&amp;name:</translation>
    </message>
    <message id="8814">
        <source>Do you wish to overwrite the existing file?</source>
        <extracomment>imagewiz.def ImgWizOverwrite</extracomment>
        <translation>Möchten Sie die vorhandene Datei überschreiben?</translation>
    </message>
    <message id="8815">
        <source>The picture could not be written to "%1". Choose another folder or name.</source>
        <extracomment>imagewiz.def ImgWizSaveFailed</extracomment>
        <translation>Das Bild konnte nicht nach „%1“ geschrieben werden. Wählen Sie einen anderen Ordner oder Namen.</translation>
    </message>
    <message id="8816">
        <source>Read All About It!</source>
        <extracomment>imagewiz.def ImgWizHelpTitle</extracomment>
        <translation>Alles Wissenswerte!</translation>
    </message>
    <message id="8817">
        <source>Never show this helpful information again</source>
        <extracomment>imagewiz.def ImgWizHelpNever</extracomment>
        <translation>Diese Hinweise nie wieder anzeigen</translation>
    </message>
    <message id="8818">
        <source>The button style library "%1" could not be read.</source>
        <extracomment>imagewiz.def ImgWizNoLibrary</extracomment>
        <translation>Die Schaltflächenstil-Bibliothek „%1“ konnte nicht gelesen werden.</translation>
    </message>
    <message id="8819">
        <source>Format:</source>
        <extracomment>imagewiz.def ImgWizFormatGroup</extracomment>
        <translation>Format:</translation>
    </message>
    <message id="8820">
        <source>Button captions</source>
        <extracomment>imagewiz.def ImgWizCaptionGrid</extracomment>
        <translation>Beschriftungen der Schaltflächen</translation>
    </message>
    <message id="9003">
        <source>Zoom to &amp;Fit</source>
        <extracomment>zoom.def ItemZoomToFit</extracomment>
        <translation>An Fenster an&amp;passen</translation>
    </message>
    <message id="33000">
        <source>Show the whole picture as large as the window allows
Zoom to Fit</source>
        <extracomment>zoom.def CmdZoomToFit</extracomment>
        <translation>Zeigt das ganze Bild so groß, wie das Fenster es erlaubt
An Fenster anpassen</translation>
    </message>
    <message id="33001">
        <source>Show the picture at half its size
Zoom 1:2</source>
        <extracomment>zoom.def CmdZoomOut2</extracomment>
        <translation>Zeigt das Bild in halber Größe
Zoom 1:2</translation>
    </message>
    <message id="33002">
        <source>Show the picture at a third of its size
Zoom 1:3</source>
        <extracomment>zoom.def CmdZoomOut3</extracomment>
        <translation>Zeigt das Bild in einem Drittel seiner Größe
Zoom 1:3</translation>
    </message>
    <message id="33003">
        <source>Show the picture at a quarter of its size
Zoom 1:4</source>
        <extracomment>zoom.def CmdZoomOut4</extracomment>
        <translation>Zeigt das Bild in einem Viertel seiner Größe
Zoom 1:4</translation>
    </message>
    <message id="33004">
        <source>Show the picture at a sixth of its size
Zoom 1:6</source>
        <extracomment>zoom.def CmdZoomOut6</extracomment>
        <translation>Zeigt das Bild in einem Sechstel seiner Größe
Zoom 1:6</translation>
    </message>
    <message id="33005">
        <source>Show the picture at an eighth of its size
Zoom 1:8</source>
        <extracomment>zoom.def CmdZoomOut8</extracomment>
        <translation>Zeigt das Bild in einem Achtel seiner Größe
Zoom 1:8</translation>
    </message>
    <message id="33006">
        <source>Show the picture at a twelfth of its size
Zoom 1:12</source>
        <extracomment>zoom.def CmdZoomOut12</extracomment>
        <translation>Zeigt das Bild in einem Zwölftel seiner Größe
Zoom 1:12</translation>
    </message>
    <message id="33007">
        <source>Show the picture at a sixteenth of its size
Zoom 1:16</source>
        <extracomment>zoom.def CmdZoomOut16</extracomment>
        <translation>Zeigt das Bild in einem Sechzehntel seiner Größe
Zoom 1:16</translation>
    </message>
    <message id="33008">
        <source>Show the picture twelve times as large
Zoom 12:1</source>
        <extracomment>zoom.def CmdZoom12</extracomment>
        <translation>Zeigt das Bild zwölfmal so groß
Zoom 12:1</translation>
    </message>
    <message id="33009">
        <source>Show the picture sixteen times as large
Zoom 16:1</source>
        <extracomment>zoom.def CmdZoom16</extracomment>
        <translation>Zeigt das Bild sechzehnmal so groß
Zoom 16:1</translation>
    </message>
    <message id="9600">
        <source>&amp;Language:</source>
        <extracomment>lang.def PrefsLanguage</extracomment>
        <translation>&amp;Sprache:</translation>
    </message>
    <message id="9601">
        <source>System default</source>
        <extracomment>lang.def PrefsLanguageSystem</extracomment>
        <translation>Systemstandard</translation>
    </message>
    <message id="9602">
        <source>A new language is used from the next start of Tessary.</source>
        <extracomment>lang.def PrefsLanguageNextStart</extracomment>
        <translation>Eine neue Sprache gilt ab dem nächsten Start von Tessary.</translation>
    </message>
    <message id="9603">
        <source>Appeara&amp;nce:</source>
        <extracomment>lang.def PrefsAppearance</extracomment>
        <translation>Erschei&amp;nungsbild:</translation>
    </message>
    <message id="9604">
        <source>System</source>
        <extracomment>lang.def PrefsAppearanceSystem</extracomment>
        <translation>System</translation>
    </message>
    <message id="9605">
        <source>Light</source>
        <extracomment>lang.def PrefsAppearanceLight</extracomment>
        <translation>Hell</translation>
    </message>
    <message id="9606">
        <source>Dark</source>
        <extracomment>lang.def PrefsAppearanceDark</extracomment>
        <translation>Dunkel</translation>
    </message>
    <message id="9500">
        <source>Click inside a shape to trace its outline; Shift+click adds a region</source>
        <extracomment>trace.def PromptTrace</extracomment>
        <translation>Klicken Sie in eine Form, um ihren Umriss nachzuzeichnen; Umschalt+Klick fügt einen Bereich hinzu</translation>
    </message>
    <message id="9501">
        <source>Tracing...</source>
        <extracomment>trace.def TraceWorking</extracomment>
        <translation>Umriss wird ermittelt...</translation>
    </message>
    <message id="9502">
        <source>Traced outline: %d points, %lld pixels; Enter accepts, Esc discards</source>
        <extracomment>trace.def TraceProposal</extracomment>
        <translation>Umriss: %d Punkte, %lld Pixel; Eingabe übernimmt, Esc verwirft</translation>
    </message>
    <message id="9503">
        <source>There is no picture to trace</source>
        <extracomment>trace.def TraceRefusedNoPicture</extracomment>
        <translation>Es gibt kein Bild zum Nachzeichnen</translation>
    </message>
    <message id="9504">
        <source>Click on the picture to trace a shape</source>
        <extracomment>trace.def TraceRefusedOutside</extracomment>
        <translation>Klicken Sie auf das Bild, um eine Form nachzuzeichnen</translation>
    </message>
    <message id="9505">
        <source>The region is the whole picture: click inside a shape or lower the tolerance</source>
        <extracomment>trace.def TraceRefusedWhole</extracomment>
        <translation>Der Bereich ist das ganze Bild: Klicken Sie in eine Form oder verringern Sie die Toleranz</translation>
    </message>
    <message id="9506">
        <source>The added region does not touch the outline: Shift+click next to it</source>
        <extracomment>trace.def TraceRefusedDisjoint</extracomment>
        <translation>Der hinzugefügte Bereich berührt den Umriss nicht: Umschalt+Klick direkt daneben</translation>
    </message>
    <message id="9507">
        <source>The outline needs %d points, more than the %d an area may have: raise the precision or lower the tolerance</source>
        <extracomment>trace.def TraceRefusedVertices</extracomment>
        <translation>Der Umriss braucht %d Punkte, mehr als die %d, die ein Bereich haben darf: Erhöhen Sie die Genauigkeit oder verringern Sie die Toleranz</translation>
    </message>
    <message id="33060">
        <source>Trace an area along a shape in the picture: click inside the shape
Trace</source>
        <extracomment>trace.def CmdTraceTool</extracomment>
        <translation>Eine Fläche entlang einer Form im Bild nachzeichnen: in die Form klicken
Nachzeichnen</translation>
    </message>
    <message id="9508">
        <source>Trace Area</source>
        <extracomment>trace.def StepTraceArea</extracomment>
        <translation>Fläche nachzeichnen</translation>
    </message>
    <message id="9509">
        <source>There is not enough memory to trace a picture this large</source>
        <extracomment>trace.def TraceOutOfMemory</extracomment>
        <translation>Für ein so großes Bild reicht der Speicher zum Nachzeichnen nicht</translation>
    </message>
    <message id="9510">
        <source>&amp;Trace</source>
        <extracomment>trace.def ItemTrace</extracomment>
        <translation>Na&amp;chzeichnen</translation>
    </message>
    <message id="9511">
        <source>Tolerance</source>
        <extracomment>trace.def TraceToleranceLabel</extracomment>
        <translation>Toleranz</translation>
    </message>
    <message id="9512">
        <source>How far a pixel's colour may differ from the clicked pixel's and still belong to the shape (0 to 255)</source>
        <extracomment>trace.def TraceToleranceTip</extracomment>
        <translation>Wie weit die Farbe eines Pixels von der des angeklickten abweichen darf, damit es noch zur Form gehört (0 bis 255)</translation>
    </message>
    <message id="9513">
        <source>Precision</source>
        <extracomment>trace.def TracePrecisionLabel</extracomment>
        <translation>Genauigkeit</translation>
    </message>
    <message id="9514">
        <source>How far the outline may stray from the shape's edge, in picture pixels (0.5 to 10)</source>
        <extracomment>trace.def TracePrecisionTip</extracomment>
        <translation>Wie weit der Umriss vom Rand der Form abweichen darf, in Bildpixeln (0,5 bis 10)</translation>
    </message>
    <message id="9102">
        <source>&amp;Highlight areas on hover and focus</source>
        <extracomment>web.def MapHighlightAreas</extracomment>
        <translation>Bereiche beim Überfahren und bei Fokus &amp;hervorheben</translation>
    </message>
    <message id="9103">
        <source>&amp;Export</source>
        <extracomment>web.def MenuExport</extracomment>
        <translation>E&amp;xportieren</translation>
    </message>
    <message id="9104">
        <source>&amp;SVG Overlay...</source>
        <extracomment>web.def ItemSvgOverlay</extracomment>
        <translation>&amp;SVG-Overlay...</translation>
    </message>
    <message id="9105">
        <source>SVG files (*.svg)</source>
        <extracomment>web.def SvgOverlayFilter</extracomment>
        <translation>SVG-Dateien (*.svg)</translation>
    </message>
    <message id="9106">
        <source>The SVG overlay could not be written to %s.</source>
        <extracomment>web.def SvgOverlayWriteFailed</extracomment>
        <translation>Das SVG-Overlay konnte nicht nach %s geschrieben werden.</translation>
    </message>
    <message id="9107">
        <source>The SVG overlay needs the map's picture: its size sets the overlay's coordinates.</source>
        <extracomment>web.def SvgOverlayNeedsPicture</extracomment>
        <translation>Das SVG-Overlay braucht das Bild der Map: Seine Größe bestimmt die Koordinaten des Overlays.</translation>
    </message>
    <message id="33020">
        <source>Write the map as a standalone SVG overlay of its picture
Export SVG Overlay</source>
        <extracomment>web.def CmdExportSvgOverlay</extracomment>
        <translation>Schreibt die Map als eigenständiges SVG-Overlay ihres Bildes
SVG-Overlay exportieren</translation>
    </message>
    <message id="9200">
        <source>The file is not a recovery copy of Tessary.</source>
        <extracomment>recovery.def RecoveryNotACopy</extracomment>
        <translation>Die Datei ist keine Wiederherstellungskopie von Tessary.</translation>
    </message>
    <message id="9201">
        <source>The copy was written by another version of Tessary (copy version %d).</source>
        <extracomment>recovery.def RecoveryOtherVersion</extracomment>
        <translation>Die Kopie wurde von einer anderen Version von Tessary geschrieben (Kopieversion %d).</translation>
    </message>
    <message id="9202">
        <source>The copy is incomplete: it ends before its map does.</source>
        <extracomment>recovery.def RecoveryTruncated</extracomment>
        <translation>Die Kopie ist unvollständig: Sie endet vor ihrer Map.</translation>
    </message>
    <message id="9203">
        <source>The copy is damaged: its description of the map is not readable.</source>
        <extracomment>recovery.def RecoveryBadHeader</extracomment>
        <translation>Die Kopie ist beschädigt: Die Beschreibung der Map ist nicht lesbar.</translation>
    </message>
    <message id="9204">
        <source>The copy is larger than any map Tessary writes.</source>
        <extracomment>recovery.def RecoveryTooLarge</extracomment>
        <translation>Die Kopie ist größer als jede Map, die Tessary schreibt.</translation>
    </message>
    <message id="9205">
        <source>The copy is damaged: it does not hold exactly one whole map.</source>
        <extracomment>recovery.def RecoveryNoMap</extracomment>
        <translation>Die Kopie ist beschädigt: Sie enthält nicht genau eine vollständige Map.</translation>
    </message>
    <message id="9210">
        <source>Recover Maps</source>
        <extracomment>recovery.def RecoverMapsTitle</extracomment>
        <translation>Maps wiederherstellen</translation>
    </message>
    <message id="9211">
        <source>Tessary ended before these maps were saved. Recovery copies of them were kept:</source>
        <extracomment>recovery.def RecoverMapsLead</extracomment>
        <translation>Tessary wurde beendet, bevor diese Maps gespeichert waren. Wiederherstellungskopien davon wurden aufbewahrt:</translation>
    </message>
    <message id="9212">
        <source>Map</source>
        <extracomment>recovery.def RecoverColumnMap</extracomment>
        <translation>Map</translation>
    </message>
    <message id="9213">
        <source>Page</source>
        <extracomment>recovery.def RecoverColumnPage</extracomment>
        <translation>Seite</translation>
    </message>
    <message id="9214">
        <source>Picture</source>
        <extracomment>recovery.def RecoverColumnPicture</extracomment>
        <translation>Bild</translation>
    </message>
    <message id="9215">
        <source>Areas</source>
        <extracomment>recovery.def RecoverColumnAreas</extracomment>
        <translation>Bereiche</translation>
    </message>
    <message id="9216">
        <source>Copy made</source>
        <extracomment>recovery.def RecoverColumnTime</extracomment>
        <translation>Kopie erstellt</translation>
    </message>
    <message id="9217">
        <source>New map</source>
        <extracomment>recovery.def RecoverNewMap</extracomment>
        <translation>Neue Map</translation>
    </message>
    <message id="9218">
        <source>cannot be recovered: %s</source>
        <extracomment>recovery.def RecoverCannot</extracomment>
        <translation>nicht wiederherstellbar: %s</translation>
    </message>
    <message id="9219">
        <source>&amp;Recover</source>
        <extracomment>recovery.def RecoverButton</extracomment>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message id="9220">
        <source>&amp;Delete</source>
        <extracomment>recovery.def RecoverDeleteButton</extracomment>
        <translation>&amp;Löschen</translation>
    </message>
    <message id="9221">
        <source>&amp;Later</source>
        <extracomment>recovery.def RecoverLaterButton</extracomment>
        <translation>&amp;Später</translation>
    </message>
    <message id="9222">
        <source>(untitled)</source>
        <extracomment>recovery.def RecoverUntitled</extracomment>
        <translation>(ohne Titel)</translation>
    </message>
    <message id="9230">
        <source>The page %s has changed since the recovery copy of its map was made. Saving the recovered map will ask before it saves into that page.</source>
        <extracomment>recovery.def RecoveredPageChanged</extracomment>
        <translation>Die Seite %s wurde geändert, seit die Wiederherstellungskopie ihrer Map erstellt wurde. Beim Speichern der wiederhergestellten Map wird vorher nachgefragt.</translation>
    </message>
    <message id="9231">
        <source>The page %s has changed since the recovery copy of this map was made. Save the recovered map into it anyway?

Yes saves into the page, No lets you choose another file.</source>
        <extracomment>recovery.def RecoveredSaveIntoChanged</extracomment>
        <translation>Die Seite %s wurde geändert, seit die Wiederherstellungskopie dieser Map erstellt wurde. Die wiederhergestellte Map trotzdem darin speichern?

Ja speichert in die Seite, Nein lässt Sie eine andere Datei wählen.</translation>
    </message>
    <message id="9232">
        <source>The map %s could not be recovered: its picture did not load. The recovery copy is kept.</source>
        <extracomment>recovery.def RecoveredPictureMissing</extracomment>
        <translation>Die Map %s konnte nicht wiederhergestellt werden: Ihr Bild wurde nicht geladen. Die Wiederherstellungskopie bleibt erhalten.</translation>
    </message>
    <message id="9240">
        <source>Save recovery &amp;copies of changed maps</source>
        <extracomment>recovery.def PrefsSaveRecoveryCopies</extracomment>
        <translation>Wiederherstellungs&amp;kopien geänderter Maps speichern</translation>
    </message>
    <message id="9241">
        <source>at least every</source>
        <extracomment>recovery.def PrefsRecoveryInterval</extracomment>
        <translation>mindestens alle</translation>
    </message>
    <message id="9242">
        <source> seconds while changes go on</source>
        <extracomment>recovery.def PrefsRecoverySeconds</extracomment>
        <translation> Sekunden, solange Änderungen andauern</translation>
    </message>
    <message id="33080">
        <source>Select every area of the map
Select All</source>
        <extracomment>arrange.def CmdSelectAll</extracomment>
        <translation>Alle Bereiche der Map auswählen
Alles auswählen</translation>
    </message>
    <message id="33081">
        <source>Move the selected areas so that their left edges line up with the first one selected
Align Left</source>
        <extracomment>arrange.def CmdAlignLeft</extracomment>
        <translation>Die ausgewählten Bereiche so verschieben, dass ihre linken Kanten mit dem zuerst ausgewählten übereinstimmen
Links ausrichten</translation>
    </message>
    <message id="33082">
        <source>Move the selected areas so that their right edges line up with the first one selected
Align Right</source>
        <extracomment>arrange.def CmdAlignRight</extracomment>
        <translation>Die ausgewählten Bereiche so verschieben, dass ihre rechten Kanten mit dem zuerst ausgewählten übereinstimmen
Rechts ausrichten</translation>
    </message>
    <message id="33083">
        <source>Move the selected areas so that their top edges line up with the first one selected
Align Top</source>
        <extracomment>arrange.def CmdAlignTop</extracomment>
        <translation>Die ausgewählten Bereiche so verschieben, dass ihre oberen Kanten mit dem zuerst ausgewählten übereinstimmen
Oben ausrichten</translation>
    </message>
    <message id="33084">
        <source>Move the selected areas so that their bottom edges line up with the first one selected
Align Bottom</source>
        <extracomment>arrange.def CmdAlignBottom</extracomment>
        <translation>Die ausgewählten Bereiche so verschieben, dass ihre unteren Kanten mit dem zuerst ausgewählten übereinstimmen
Unten ausrichten</translation>
    </message>
    <message id="33085">
        <source>Move the selected areas so that their centres lie on one vertical line with the first one selected's
Align Horizontal Centres</source>
        <extracomment>arrange.def CmdAlignHorizontalCentres</extracomment>
        <translation>Die ausgewählten Bereiche so verschieben, dass ihre Mitten auf einer senkrechten Linie mit der des zuerst ausgewählten liegen
Mitten horizontal ausrichten</translation>
    </message>
    <message id="33086">
        <source>Move the selected areas so that their centres lie on one horizontal line with the first one selected's
Align Vertical Centres</source>
        <extracomment>arrange.def CmdAlignVerticalCentres</extracomment>
        <translation>Die ausgewählten Bereiche so verschieben, dass ihre Mitten auf einer waagerechten Linie mit der des zuerst ausgewählten liegen
Mitten vertikal ausrichten</translation>
    </message>
    <message id="33087">
        <source>Space three or more selected areas evenly between the leftmost and the rightmost
Distribute Horizontally</source>
        <extracomment>arrange.def CmdDistributeHorizontally</extracomment>
        <translation>Drei oder mehr ausgewählte Bereiche gleichmäßig zwischen dem linken und dem rechten verteilen
Horizontal verteilen</translation>
    </message>
    <message id="33088">
        <source>Space three or more selected areas evenly between the top one and the bottom one
Distribute Vertically</source>
        <extracomment>arrange.def CmdDistributeVertically</extracomment>
        <translation>Drei oder mehr ausgewählte Bereiche gleichmäßig zwischen dem oberen und dem unteren verteilen
Vertikal verteilen</translation>
    </message>
    <message id="33089">
        <source>Give the selected areas the width of the first one selected
Make Same Width</source>
        <extracomment>arrange.def CmdSameWidth</extracomment>
        <translation>Den ausgewählten Bereichen die Breite des zuerst ausgewählten geben
Gleiche Breite</translation>
    </message>
    <message id="33090">
        <source>Give the selected areas the height of the first one selected
Make Same Height</source>
        <extracomment>arrange.def CmdSameHeight</extracomment>
        <translation>Den ausgewählten Bereichen die Höhe des zuerst ausgewählten geben
Gleiche Höhe</translation>
    </message>
    <message id="33091">
        <source>Give the selected areas the size of the first one selected
Make Same Size</source>
        <extracomment>arrange.def CmdSameSize</extracomment>
        <translation>Den ausgewählten Bereichen die Größe des zuerst ausgewählten geben
Gleiche Größe</translation>
    </message>
    <message id="9800">
        <source>Se&amp;lect All</source>
        <extracomment>arrange.def ItemSelectAll</extracomment>
        <translation>Alles a&amp;uswählen</translation>
    </message>
    <message id="9801">
        <source>Arran&amp;ge</source>
        <extracomment>arrange.def MenuArrange</extracomment>
        <translation>&amp;Anordnen</translation>
    </message>
    <message id="9802">
        <source>Align &amp;Left</source>
        <extracomment>arrange.def ItemAlignLeft</extracomment>
        <translation>&amp;Links ausrichten</translation>
    </message>
    <message id="9803">
        <source>Align &amp;Right</source>
        <extracomment>arrange.def ItemAlignRight</extracomment>
        <translation>&amp;Rechts ausrichten</translation>
    </message>
    <message id="9804">
        <source>Align &amp;Top</source>
        <extracomment>arrange.def ItemAlignTop</extracomment>
        <translation>&amp;Oben ausrichten</translation>
    </message>
    <message id="9805">
        <source>Align &amp;Bottom</source>
        <extracomment>arrange.def ItemAlignBottom</extracomment>
        <translation>&amp;Unten ausrichten</translation>
    </message>
    <message id="9806">
        <source>Align &amp;Horizontal Centres</source>
        <extracomment>arrange.def ItemAlignHorizontalCentres</extracomment>
        <translation>Mitten &amp;horizontal ausrichten</translation>
    </message>
    <message id="9807">
        <source>Align &amp;Vertical Centres</source>
        <extracomment>arrange.def ItemAlignVerticalCentres</extracomment>
        <translation>Mitten &amp;vertikal ausrichten</translation>
    </message>
    <message id="9808">
        <source>&amp;Distribute Horizontally</source>
        <extracomment>arrange.def ItemDistributeHorizontally</extracomment>
        <translation>Hori&amp;zontal verteilen</translation>
    </message>
    <message id="9809">
        <source>Distribute Verticall&amp;y</source>
        <extracomment>arrange.def ItemDistributeVertically</extracomment>
        <translation>Vertikal v&amp;erteilen</translation>
    </message>
    <message id="9810">
        <source>Make Same &amp;Width</source>
        <extracomment>arrange.def ItemSameWidth</extracomment>
        <translation>Gleiche &amp;Breite</translation>
    </message>
    <message id="9811">
        <source>Make Same H&amp;eight</source>
        <extracomment>arrange.def ItemSameHeight</extracomment>
        <translation>Gleiche H&amp;öhe</translation>
    </message>
    <message id="9812">
        <source>Make Same &amp;Size</source>
        <extracomment>arrange.def ItemSameSize</extracomment>
        <translation>Gleiche &amp;Größe</translation>
    </message>
    <message id="9820">
        <source>Move %d Areas</source>
        <extracomment>arrange.def StepMoveAreas</extracomment>
        <translation>%d Bereiche verschieben</translation>
    </message>
    <message id="9821">
        <source>Delete %d Areas</source>
        <extracomment>arrange.def StepDeleteAreas</extracomment>
        <translation>%d Bereiche löschen</translation>
    </message>
    <message id="9822">
        <source>Cut %d Areas</source>
        <extracomment>arrange.def StepCutAreas</extracomment>
        <translation>%d Bereiche ausschneiden</translation>
    </message>
    <message id="9823">
        <source>Paste %d Areas</source>
        <extracomment>arrange.def StepPasteAreas</extracomment>
        <translation>%d Bereiche einfügen</translation>
    </message>
    <message id="9824">
        <source>Bring %d Areas to Front</source>
        <extracomment>arrange.def StepBringAreasToFront</extracomment>
        <translation>%d Bereiche nach vorne bringen</translation>
    </message>
    <message id="9825">
        <source>Send %d Areas to Back</source>
        <extracomment>arrange.def StepSendAreasToBack</extracomment>
        <translation>%d Bereiche nach hinten stellen</translation>
    </message>
    <message id="9826">
        <source>Settings of %d Areas</source>
        <extracomment>arrange.def StepAreasSettings</extracomment>
        <translation>Einstellungen von %d Bereichen</translation>
    </message>
    <message id="9850">
        <source>Settings of %d Areas</source>
        <extracomment>arrange.def AreasSettingsCaption</extracomment>
        <translation>Einstellungen von %d Bereichen</translation>
    </message>
    <message id="9851">
        <source>Several values</source>
        <extracomment>arrange.def SeveralValues</extracomment>
        <translation>Verschiedene Werte</translation>
    </message>
    <message id="9852">
        <source>The %d copied areas do not fit: the map has room for %d more (a map holds %d areas).
Nothing was pasted.</source>
        <extracomment>arrange.def PasteTooMany</extracomment>
        <translation>Die %d kopierten Bereiche passen nicht: Die Map hat noch Platz für %d (eine Map fasst %d Bereiche).
Es wurde nichts eingefügt.</translation>
    </message>
</context>
</TS>
