<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Strings</name>
    <message id="133">
        <source>GIF Files (*.gif)</source>
        <extracomment>raster.def ImageTemplateGif</extracomment>
        <translation>Fichiers GIF (*.gif)</translation>
    </message>
    <message id="134">
        <source>JPG Files (*.jpg,*.jpeg)</source>
        <extracomment>raster.def ImageTemplateJpg</extracomment>
        <translation>Fichiers JPG (*.jpg,*.jpeg)</translation>
    </message>
    <message id="135">
        <source>PNG Files (*.png)</source>
        <extracomment>raster.def ImageTemplatePng</extracomment>
        <translation>Fichiers PNG (*.png)</translation>
    </message>
    <message id="136">
        <source>All Image Files (*.gif,*.jpg,*.jpeg,*.png)</source>
        <extracomment>raster.def ImageTemplateAll</extracomment>
        <translation>Toutes les images (*.gif,*.jpg,*.jpeg,*.png)</translation>
    </message>
    <message id="8200">
        <source>All Files (*.*)</source>
        <extracomment>raster.def AllFilesFilter</extracomment>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message id="8201">
        <source>Missing Image</source>
        <extracomment>raster.def MissingImageTitle</extracomment>
        <translation>Image introuvable</translation>
    </message>
    <message id="8202">
        <source>Tessary is unable to locate the image file "%s" that goes with this map. You will have to manually locate it.</source>
        <extracomment>raster.def MissingImageText</extracomment>
        <translation>Tessary ne trouve pas le fichier image « %s » associé à cette carte. Vous devez l’indiquer vous-même.</translation>
    </message>
    <message id="8203">
        <source>Loading Image</source>
        <extracomment>raster.def LoadingImageTitle</extracomment>
        <translation>Chargement de l’image</translation>
    </message>
    <message id="8204">
        <source>%d by %d, %d colors</source>
        <extracomment>raster.def LoadingSizeLine</extracomment>
        <translation>%d × %d, %d couleurs</translation>
    </message>
    <message id="8205">
        <source>%s format, %d bytes long</source>
        <extracomment>raster.def LoadingFormatLine</extracomment>
        <translation>Format %s, %d octets</translation>
    </message>
    <message id="8209">
        <source>Unknown</source>
        <extracomment>raster.def FormatNameUnknown</extracomment>
        <translation>Inconnu</translation>
    </message>
    <message id="8210">
        <source>Unable to open image file: </source>
        <extracomment>raster.def ImageErrorLead</extracomment>
        <translation>Impossible d’ouvrir le fichier image : </translation>
    </message>
    <message id="8211">
        <source>unable to locate file.</source>
        <extracomment>raster.def ImageErrorNotFound</extracomment>
        <translation>fichier introuvable.</translation>
    </message>
    <message id="8212">
        <source>filename is empty.</source>
        <extracomment>raster.def ImageErrorEmptyName</extracomment>
        <translation>le nom de fichier est vide.</translation>
    </message>
    <message id="8213">
        <source>data format bad.</source>
        <extracomment>raster.def ImageErrorFormat</extracomment>
        <translation>format de données incorrect.</translation>
    </message>
    <message id="8214">
        <source> Press OK to abort loading.</source>
        <extracomment>raster.def ImageErrorTail</extracomment>
        <translation> Cliquez sur OK pour interrompre le chargement.</translation>
    </message>
    <message id="8215">
        <source>Tessary looked for the map's picture where the map says, in the map's folder and in the current folder, and did not find it. Choose OK to find the picture yourself: the map then uses the picture you choose. Choose Cancel to stop opening the map.</source>
        <extracomment>raster.def MissingImageHelp</extracomment>
        <translation>Tessary a cherché l’image de la carte à l’endroit indiqué par la carte, dans le dossier de la carte et dans le dossier courant, sans la trouver. Choisissez OK pour chercher l’image vous-même : la carte utilisera alors l’image choisie. Choisissez Annuler pour ne pas ouvrir la carte.</translation>
    </message>
    <message id="8216">
        <source>the file cannot be read (%s).</source>
        <extracomment>raster.def ImageErrorUnreadable</extracomment>
        <translation>le fichier ne peut pas être lu (%s).</translation>
    </message>
    <message id="8217">
        <source>The picture "%s" cannot be used. Choose OK to choose another picture, or Cancel to stop opening the map.</source>
        <extracomment>raster.def ImageChooseAnother</extracomment>
        <translation>L'image « %s » est inutilisable. Choisissez OK pour choisir une autre image, ou Annuler pour ne pas ouvrir la carte.</translation>
    </message>
    <message id="7062">
        <source>Unable to load the map file. This could be because the file in question is not a image map file, the file is damaged, or the file is in use.</source>
        <extracomment>model.def MapLoadFailed</extracomment>
        <translation>Impossible de charger le fichier de carte. Le fichier n’est peut-être pas une carte cliquable, il est endommagé ou il est en cours d’utilisation.</translation>
    </message>
    <message id="8000">
        <source>Unable to locate the file "%s"</source>
        <extracomment>model.def CannotLocateFile</extracomment>
        <translation>Fichier « %s » introuvable</translation>
    </message>
    <message id="8001">
        <source>&lt;untitled&gt;</source>
        <extracomment>model.def UntitledMap</extracomment>
        <translation>&lt;sans titre&gt;</translation>
    </message>
    <message id="8002">
        <source>&lt;untitled.htm&gt;</source>
        <extracomment>model.def UntitledPage</extracomment>
        <translation>&lt;sans-titre.htm&gt;</translation>
    </message>
    <message id="8006">
        <source>Sorry, but Tessary supports up to 100,000 areas per map. You will have to delete ALL of your existing areas in order to put the guides in. Do so?</source>
        <extracomment>model.def GuidesExceedLimit</extracomment>
        <translation>Désolé, Tessary accepte au plus 100 000 zones par carte. Pour créer les guides, vous devez supprimer TOUTES les zones existantes. Les supprimer ?</translation>
    </message>
    <message id="8007">
        <source>%d out of %d areas need to be clipped. Go ahead and clip them?
If you don't, you will have trouble accessing those areas.</source>
        <extracomment>model.def ClipAreasQuestion</extracomment>
        <translation>%d zones sur %d doivent être rognées. Les rogner maintenant ?
Sinon, ces zones seront difficiles à atteindre.</translation>
    </message>
    <message id="8015">
        <source>%d out of %d areas needs to be clipped. Go ahead and clip it?
If you don't, you will have trouble accessing that area.</source>
        <extracomment>model.def ClipAreaQuestionOne</extracomment>
        <translation>%d zone sur %d doit être rognée. La rogner maintenant ?
Sinon, cette zone sera difficile à atteindre.</translation>
    </message>
    <message id="8016">
        <source>%d out of %d area needs to be clipped. Go ahead and clip it?
If you don't, you will have trouble accessing that area.</source>
        <extracomment>model.def ClipOnlyAreaQuestion</extracomment>
        <translation>%d zone sur %d doit être rognée. La rogner maintenant ?
Sinon, cette zone sera difficile à atteindre.</translation>
    </message>
    <message id="8008">
        <source>Do you really want to save without a default URL?</source>
        <extracomment>model.def SaveWithoutDefaultUrl</extracomment>
        <translation>Voulez-vous vraiment enregistrer sans URL par défaut ?</translation>
    </message>
    <message id="8009">
        <source>You have some areas that do not have URLs. You will need to add them in before you can save this map.</source>
        <extracomment>model.def AreasMissingUrls</extracomment>
        <translation>Certaines zones n’ont pas d’URL. Vous devez les ajouter avant de pouvoir enregistrer cette carte.</translation>
    </message>
    <message id="8010">
        <source>Saving a Client Side Image Map file into a non-HTML file is not allowed!</source>
        <extracomment>model.def SaveNonHtmlRefused</extracomment>
        <translation>Une carte cliquable côté client ne peut être enregistrée que dans un fichier HTML !</translation>
    </message>
    <message id="8011">
        <source>The file "%s%s" was saved into the directory "%s%s". For your convenience, the image file "%s%s" was also copied from its orignal directory.</source>
        <extracomment>model.def SavedWithImageCopy</extracomment>
        <translation>Le fichier « %s%s » a été enregistré dans le dossier « %s%s ». Pour plus de commodité, le fichier image « %s%s » a aussi été copié depuis son dossier d’origine.</translation>
    </message>
    <message id="8012">
        <source>The file "%s%s" was saved into the directory "%s%s". The image "%s%s" also exists in this directory.</source>
        <extracomment>model.def SavedBesideImage</extracomment>
        <translation>Le fichier « %s%s » a été enregistré dans le dossier « %s%s ». L’image « %s%s » se trouve aussi dans ce dossier.</translation>
    </message>
    <message id="8152">
        <source>%d,%d to %d,%d (%d areas)</source>
        <extracomment>checks.def GuideBounds</extracomment>
        <translation>%d,%d à %d,%d (%d zones)</translation>
    </message>
    <message id="8154">
        <source>%d,%d to %d,%d (%d area)</source>
        <extracomment>checks.def GuideBoundsOne</extracomment>
        <translation>%d,%d à %d,%d (%d zone)</translation>
    </message>
    <message id="32832">
        <source>List the areas that visitors with screen readers, small screens or broken links would stumble over
Check Map</source>
        <extracomment>checks.def CmdCheckMap</extracomment>
        <translation>Lister les zones qui poseraient problème aux visiteurs utilisant un lecteur d’écran, un petit écran ou tombant sur un lien cassé
Vérifier la carte</translation>
    </message>
    <message id="8362">
        <source>&amp;Check Map...</source>
        <extracomment>checks.def ItemCheckMap</extracomment>
        <translation>&amp;Vérifier la carte...</translation>
    </message>
    <message id="8130">
        <source>No ALT text: screen readers announce nothing useful for this area.</source>
        <extracomment>checks.def FindingMissingAlt</extracomment>
        <translation>Pas de texte ALT : les lecteurs d’écran n’annoncent rien d’utile pour cette zone.</translation>
    </message>
    <message id="8131">
        <source>The ALT text "%s" only repeats the URL; say where the area leads instead.</source>
        <extracomment>checks.def FindingAltIsUrl</extracomment>
        <translation>Le texte ALT « %s » ne fait que répéter l’URL ; indiquez plutôt où mène la zone.</translation>
    </message>
    <message id="8132">
        <source>The ALT text "%s" is also that of area %d, which leads elsewhere.</source>
        <extracomment>checks.def FindingDuplicateAlt</extracomment>
        <translation>Le texte ALT « %s » est aussi celui de la zone %d, qui mène ailleurs.</translation>
    </message>
    <message id="8133">
        <source>Shown %s x %s CSS pixels: smaller than the 24 x 24 a target needs.</source>
        <extracomment>checks.def FindingSmallTarget</extracomment>
        <translation>Affichée en %s × %s pixels CSS : plus petite que les 24 × 24 nécessaires à une cible.</translation>
    </message>
    <message id="8134">
        <source>A javascript: URL leads nowhere without scripts.</source>
        <extracomment>checks.def FindingJavascriptUrl</extracomment>
        <translation>Une URL javascript: ne mène nulle part sans scripts.</translation>
    </message>
    <message id="8135">
        <source>The linked file "%s" does not exist beside the page.</source>
        <extracomment>checks.def FindingBrokenLink</extracomment>
        <translation>Le fichier lié « %s » n’existe pas à côté de la page.</translation>
    </message>
    <message id="8136">
        <source>The map name "%s" holds white space, which HTML forbids.</source>
        <extracomment>checks.def FindingMapNameSpace</extracomment>
        <translation>Le nom de carte « %s » contient des espaces, ce que HTML interdit.</translation>
    </message>
    <message id="8145">
        <source>Not clickable: browsers give this area no shape (too few numbers, no radius or no width). It is kept as written.</source>
        <extracomment>checks.def FindingNotClickable</extracomment>
        <translation>Non cliquable : les navigateurs ne donnent aucune forme à cette zone (trop peu de nombres, aucun rayon ou aucune largeur). Elle est conservée telle quelle.</translation>
    </message>
    <message id="8146">
        <source>Area %d is not clickable: browsers give it no shape. It is kept as written.</source>
        <extracomment>checks.def AreaNotClickableTip</extracomment>
        <translation>La zone %d n’est pas cliquable : les navigateurs ne lui donnent aucune forme. Elle est conservée telle quelle.</translation>
    </message>
    <message id="8137">
        <source>Check Map</source>
        <extracomment>checks.def CheckMapTitle</extracomment>
        <translation>Vérifier la carte</translation>
    </message>
    <message id="8138">
        <source>Area</source>
        <extracomment>checks.def CheckMapArea</extracomment>
        <translation>Zone</translation>
    </message>
    <message id="8139">
        <source>Code</source>
        <extracomment>checks.def CheckMapCode</extracomment>
        <translation>Code</translation>
    </message>
    <message id="8140">
        <source>Finding</source>
        <extracomment>checks.def CheckMapMessage</extracomment>
        <translation>Constat</translation>
    </message>
    <message id="8141">
        <source>Map</source>
        <extracomment>checks.def CheckMapWholeMap</extracomment>
        <translation>Carte</translation>
    </message>
    <message id="8142">
        <source>Double-click a finding to select its area.</source>
        <extracomment>checks.def CheckMapHint</extracomment>
        <translation>Double-cliquez sur un constat pour sélectionner sa zone.</translation>
    </message>
    <message id="8143">
        <source>&amp;Close</source>
        <extracomment>checks.def CheckMapClose</extracomment>
        <translation>&amp;Fermer</translation>
    </message>
    <message id="8144">
        <source>Check Map found nothing to report.</source>
        <extracomment>checks.def CheckMapClean</extracomment>
        <translation>La vérification n’a rien trouvé à signaler.</translation>
    </message>
    <message id="7054">
        <source>!! Unknown !!</source>
        <extracomment>view.def AreaKindUnknown</extracomment>
        <translation>!! Inconnu !!</translation>
    </message>
    <message id="8510">
        <source>Area Settings</source>
        <extracomment>view.def AreaSettingsTitle</extracomment>
        <translation>Propriétés de la zone</translation>
    </message>
    <message id="8511">
        <source>Area #%d Settings</source>
        <extracomment>view.def AreaSettingsCaption</extracomment>
        <translation>Propriétés de la zone n° %d</translation>
    </message>
    <message id="8512">
        <source>Type:</source>
        <extracomment>view.def AreaTypeLabel</extracomment>
        <translation>Type :</translation>
    </message>
    <message id="8513">
        <source>Position:</source>
        <extracomment>view.def AreaPositionLabel</extracomment>
        <translation>Position :</translation>
    </message>
    <message id="8514">
        <source>Size:</source>
        <extracomment>view.def AreaDimensionsLabel</extracomment>
        <translation>Taille :</translation>
    </message>
    <message id="8516">
        <source>w=%d, h=%d</source>
        <extracomment>view.def AreaRectDimensions</extracomment>
        <translation>l=%d, h=%d</translation>
    </message>
    <message id="8517">
        <source>rX=%d, rY=%d</source>
        <extracomment>view.def AreaCircleDimensions</extracomment>
        <translation>rX=%d, rY=%d</translation>
    </message>
    <message id="8518">
        <source>points=%d</source>
        <extracomment>view.def AreaPolygonDimensions</extracomment>
        <translation>points=%d</translation>
    </message>
    <message id="8519">
        <source>URL to activate when this area is clicked: (required)</source>
        <extracomment>view.def AreaUrlLabel</extracomment>
        <translation>URL à ouvrir quand on clique sur cette zone : (obligatoire)</translation>
    </message>
    <message id="8520">
        <source>Target frame name/ID: (optional)</source>
        <extracomment>view.def AreaTargetLabel</extracomment>
        <translation>Nom/ID du cadre cible : (facultatif)</translation>
    </message>
    <message id="8521">
        <source>Internal comment about this area: (optional)</source>
        <extracomment>view.def AreaCommentLabel</extracomment>
        <translation>Commentaire interne sur cette zone : (facultatif)</translation>
    </message>
    <message id="8522">
        <source>D&amp;elete</source>
        <extracomment>view.def AreaDeleteButton</extracomment>
        <translation>&amp;Supprimer</translation>
    </message>
    <message id="8523">
        <source>Title (tooltip):</source>
        <extracomment>view.def AreaTitleLabel</extracomment>
        <translation>Titre (info-bulle) :</translation>
    </message>
    <message id="7053">
        <source>Client Side Image Maps (CSIMs) require a title!</source>
        <extracomment>view.def MapTitleRequired</extracomment>
        <translation>Les cartes cliquables côté client exigent un titre !</translation>
    </message>
    <message id="8530">
        <source>Settings for this Mapfile</source>
        <extracomment>view.def MapSettingsTitle</extracomment>
        <translation>Réglages de ce fichier de carte</translation>
    </message>
    <message id="8531">
        <source>Filename:</source>
        <extracomment>view.def MapFilenameLabel</extracomment>
        <translation>Nom du fichier :</translation>
    </message>
    <message id="8532">
        <source>Image name:</source>
        <extracomment>view.def MapImageNameLabel</extracomment>
        <translation>Nom de l’image :</translation>
    </message>
    <message id="8533">
        <source>&amp;Title:</source>
        <extracomment>view.def MapTitleLabel</extracomment>
        <translation>&amp;Titre :</translation>
    </message>
    <message id="8534">
        <source>(Required)</source>
        <extracomment>view.def MapRequiredNote</extracomment>
        <translation>(Obligatoire)</translation>
    </message>
    <message id="8535">
        <source>&amp;Author:</source>
        <extracomment>view.def MapAuthorLabel</extracomment>
        <translation>&amp;Auteur :</translation>
    </message>
    <message id="8536">
        <source>&amp;Default URL:</source>
        <extracomment>view.def MapDefaultUrlLabel</extracomment>
        <translation>URL par &amp;défaut :</translation>
    </message>
    <message id="8537">
        <source>(Suggested)</source>
        <extracomment>view.def MapSuggestedNote</extracomment>
        <translation>(Conseillé)</translation>
    </message>
    <message id="8538">
        <source>D&amp;escription:</source>
        <extracomment>view.def MapDescriptionLabel</extracomment>
        <translation>D&amp;escription :</translation>
    </message>
    <message id="8539">
        <source>&amp;Scale the map with the picture</source>
        <extracomment>view.def MapScalesWithPicture</extracomment>
        <translation>Adapter la carte à la taille de l’&amp;image</translation>
    </message>
    <message id="7055">
        <source>Drag to opposite corner; release button to end</source>
        <extracomment>tools.def PromptDrawFrame</extracomment>
        <translation>Faites glisser jusqu’au coin opposé ; relâchez le bouton pour terminer</translation>
    </message>
    <message id="7058">
        <source>Move to new point; click to plot; double-click to end</source>
        <extracomment>tools.def PromptDrawPolygon</extracomment>
        <translation>Allez au point suivant ; cliquez pour le placer ; double-cliquez pour terminer</translation>
    </message>
    <message id="7059">
        <source>Drag to new location; release button to end</source>
        <extracomment>tools.def PromptMoveArea</extracomment>
        <translation>Faites glisser jusqu’au nouvel emplacement ; relâchez le bouton pour terminer</translation>
    </message>
    <message id="7060">
        <source>Drag to new size; release button to end</source>
        <extracomment>tools.def PromptResizeArea</extracomment>
        <translation>Faites glisser jusqu’à la nouvelle taille ; relâchez le bouton pour terminer</translation>
    </message>
    <message id="7061">
        <source>Shift held: the rectangle stays square; release button to end</source>
        <extracomment>tools.def PromptShiftSquare</extracomment>
        <translation>Maj enfoncée : le rectangle reste carré ; relâchez le bouton pour terminer</translation>
    </message>
    <message id="7063">
        <source>Shift held: no effect on this drag; release button to end</source>
        <extracomment>tools.def PromptShiftHeld</extracomment>
        <translation>Maj enfoncée : sans effet sur ce glissement ; relâchez le bouton pour terminer</translation>
    </message>
    <message id="8581">
        <source>Rectangle</source>
        <extracomment>tools.def TipRectangle</extracomment>
        <translation>Rectangle</translation>
    </message>
    <message id="8582">
        <source>Circle</source>
        <extracomment>tools.def TipCircle</extracomment>
        <translation>Cercle</translation>
    </message>
    <message id="8583">
        <source>Polygon</source>
        <extracomment>tools.def TipPolygon</extracomment>
        <translation>Polygone</translation>
    </message>
    <message id="8100">
        <source>The file %s is not a writable file.</source>
        <extracomment>save.def NotWritableFile</extracomment>
        <translation>Le fichier %s n’est pas accessible en écriture.</translation>
    </message>
    <message id="8101">
        <source>Attempting to DELETE the target file gave error %d
</source>
        <extracomment>save.def DeleteTargetFailed</extracomment>
        <translation>La SUPPRESSION du fichier cible a échoué avec l’erreur %d
</translation>
    </message>
    <message id="8102">
        <source>Attempting to CREATE the target file gave error %d
</source>
        <extracomment>save.def CreateTargetFailed</extracomment>
        <translation>La CRÉATION du fichier cible a échoué avec l’erreur %d
</translation>
    </message>
    <message id="8103">
        <source>Attempting to WRITE to target file gave error %d
</source>
        <extracomment>save.def WriteTargetFailed</extracomment>
        <translation>L’ÉCRITURE dans le fichier cible a échoué avec l’erreur %d
</translation>
    </message>
    <message id="8104">
        <source>Unable to read the file "%s". It was left as it was.</source>
        <extracomment>save.def PageUnreadable</extracomment>
        <translation>Impossible de lire le fichier « %s ». Il n’a pas été modifié.</translation>
    </message>
    <message id="8050">
        <source>The page holds no complete MAP element.</source>
        <extracomment>pages.def LoadNoMap</extracomment>
        <translation>La page ne contient aucun élément MAP complet.</translation>
    </message>
    <message id="8051">
        <source>The MAP element that begins on line %d is never closed.</source>
        <extracomment>pages.def LoadUnclosedMap</extracomment>
        <translation>L’élément MAP qui commence à la ligne %d n’est jamais fermé.</translation>
    </message>
    <message id="8052">
        <source>The page holds a NUL byte on line %d, and it is read only up to there.</source>
        <extracomment>pages.def LoadNulByte</extracomment>
        <translation>La page contient un octet NUL à la ligne %d ; elle n’est lue que jusque-là.</translation>
    </message>
    <message id="8053">
        <source>The MAP element on line %d lies inside a comment, script or style, which is not part of the page.</source>
        <extracomment>pages.def LoadMapHidden</extracomment>
        <translation>L’élément MAP de la ligne %d se trouve dans un commentaire, un script ou un style, qui ne font pas partie de la page.</translation>
    </message>
    <message id="8054">
        <source>This map cannot be held whole, so it opens read-only. Not read: %s.</source>
        <extracomment>pages.def LossOpensReadOnly</extracomment>
        <translation>Cette carte ne peut pas être reprise en entier ; elle s’ouvre donc en lecture seule. Non lu : %s.</translation>
    </message>
    <message id="8055">
        <source>%d areas beyond the 100,000 a map holds</source>
        <extracomment>pages.def LossAreasBeyond</extracomment>
        <translation>%d zones au-delà des 100 000 que contient une carte</translation>
    </message>
    <message id="8056">
        <source>%d polygons of more than 100,000 points</source>
        <extracomment>pages.def LossLongPolygons</extracomment>
        <translation>%d polygones de plus de 100 000 points</translation>
    </message>
    <message id="8057">
        <source>%d areas of an unknown shape (%s)</source>
        <extracomment>pages.def LossUnknownShapes</extracomment>
        <translation>%d zones de forme inconnue (%s)</translation>
    </message>
    <message id="8058">
        <source>This map was not read whole from "%s"; saving it back into that page would delete what was not read. Save it into another page.</source>
        <extracomment>pages.def LossSaveRefused</extracomment>
        <translation>Cette carte n’a pas été lue en entier depuis « %s » ; l’y réenregistrer effacerait ce qui n’a pas été lu. Enregistrez-la dans une autre page.</translation>
    </message>
    <message id="8060">
        <source>%d attributes beyond the 64 an area or map keeps</source>
        <extracomment>pages.def LossAttributesBeyond</extracomment>
        <translation>%d attributs au-delà des 64 que garde une zone ou une carte</translation>
    </message>
    <message id="8061">
        <source>%d area beyond the 100,000 a map holds</source>
        <extracomment>pages.def LossAreaBeyond</extracomment>
        <translation>%d zone au-delà des 100 000 que contient une carte</translation>
    </message>
    <message id="8062">
        <source>%d polygon of more than 100,000 points</source>
        <extracomment>pages.def LossLongPolygon</extracomment>
        <translation>%d polygone de plus de 100 000 points</translation>
    </message>
    <message id="8063">
        <source>%d area of an unknown shape (%s)</source>
        <extracomment>pages.def LossUnknownShape</extracomment>
        <translation>%d zone de forme inconnue (%s)</translation>
    </message>
    <message id="8064">
        <source>%d attribute beyond the 64 an area or map keeps</source>
        <extracomment>pages.def LossAttributeBeyond</extracomment>
        <translation>%d attribut au-delà des 64 que garde une zone ou une carte</translation>
    </message>
    <message id="129">
        <source>HTML Files (*.htm,*.html)</source>
        <extracomment>app.def MapTemplateHtml</extracomment>
        <translation>Fichiers HTML (*.htm,*.html)</translation>
    </message>
    <message id="130">
        <source>ImageMap Files (*.map)</source>
        <extracomment>app.def MapTemplateMap</extracomment>
        <translation>Fichiers ImageMap (*.map)</translation>
    </message>
    <message id="131">
        <source>All File Types (*.map,*.imp,*.htm,*.html)</source>
        <extracomment>app.def MapTemplateAll</extracomment>
        <translation>Tous les types (*.map,*.imp,*.htm,*.html)</translation>
    </message>
    <message id="7069">
        <source>Unknown command line switch. Run with /? for switches.</source>
        <extracomment>app.def UnknownSwitch</extracomment>
        <translation>Option de ligne de commande inconnue. Lancez avec /? pour voir les options.</translation>
    </message>
    <message id="224">
        <source>Change the editor's settings
Preferences</source>
        <extracomment>app.def CmdPreferences</extracomment>
        <translation>Modifier les réglages de l’éditeur
Préférences</translation>
    </message>
    <message id="400">
        <source>Show the welcome dialog
Welcome</source>
        <extracomment>app.def CmdWelcome</extracomment>
        <translation>Afficher la fenêtre de bienvenue
Bienvenue</translation>
    </message>
    <message id="32773">
        <source>Edit the URL, frame target and comment of the selected area
Edit Area Info</source>
        <extracomment>app.def CmdEditAreaInfo</extracomment>
        <translation>Modifier l’URL, le cadre cible et le commentaire de la zone sélectionnée
Modifier les infos de la zone</translation>
    </message>
    <message id="32774">
        <source>Draw rectangular areas
Rectangle</source>
        <extracomment>app.def CmdRectangleTool</extracomment>
        <translation>Dessiner des zones rectangulaires
Rectangle</translation>
    </message>
    <message id="32775">
        <source>Draw circular areas
Circle</source>
        <extracomment>app.def CmdCircleTool</extracomment>
        <translation>Dessiner des zones circulaires
Cercle</translation>
    </message>
    <message id="32776">
        <source>Edit the title, description, author and default URL of the map
Edit Map Info</source>
        <extracomment>app.def CmdEditMapInfo</extracomment>
        <translation>Modifier le titre, la description, l’auteur et l’URL par défaut de la carte
Modifier les infos de la carte</translation>
    </message>
    <message id="32777">
        <source>Change the spacing and look of the Snap-To Grid
Grid Settings</source>
        <extracomment>app.def CmdGridSettings</extracomment>
        <translation>Modifier l’espacement et l’aspect de la grille magnétique
Réglages de la grille</translation>
    </message>
    <message id="32778">
        <source>Turn on/off the Snap-To Grid
Grid</source>
        <extracomment>app.def CmdGrid</extracomment>
        <translation>Activer ou désactiver la grille magnétique
Grille</translation>
    </message>
    <message id="32779">
        <source>Cover the picture with a grid of areas
Create Guides</source>
        <extracomment>app.def CmdCreateGuides</extracomment>
        <translation>Couvrir l’image d’une grille de zones
Créer des guides</translation>
    </message>
    <message id="32780">
        <source>Draw polygonal areas
Polygon</source>
        <extracomment>app.def CmdPolygonTool</extracomment>
        <translation>Dessiner des zones polygonales
Polygone</translation>
    </message>
    <message id="32781">
        <source>Delete this point of the polygon
Delete Point</source>
        <extracomment>app.def CmdDeletePoint</extracomment>
        <translation>Supprimer ce point du polygone
Supprimer le point</translation>
    </message>
    <message id="32782">
        <source>Insert a point into this edge of the polygon
Insert Point</source>
        <extracomment>app.def CmdInsertPoint</extracomment>
        <translation>Insérer un point dans ce côté du polygone
Insérer un point</translation>
    </message>
    <message id="32785">
        <source>Select, move and reshape areas
Arrow</source>
        <extracomment>app.def CmdArrowTool</extracomment>
        <translation>Sélectionner, déplacer et remodeler des zones
Flèche</translation>
    </message>
    <message id="32786">
        <source>Try the map as a visitor would use it
Test Map</source>
        <extracomment>app.def CmdTestMap</extracomment>
        <translation>Essayer la carte comme un visiteur
Tester la carte</translation>
    </message>
    <message id="32787">
        <source>Show or hide the list of areas
Area List</source>
        <extracomment>app.def CmdAreaList</extracomment>
        <translation>Afficher ou masquer la liste des zones
Liste des zones</translation>
    </message>
    <message id="32788">
        <source>Delete the selected area
Delete</source>
        <extracomment>app.def CmdDelete</extracomment>
        <translation>Supprimer la zone sélectionnée
Supprimer</translation>
    </message>
    <message id="32801">
        <source>Use another picture for this map
Change Image</source>
        <extracomment>app.def CmdChangeImage</extracomment>
        <translation>Utiliser une autre image pour cette carte
Changer d’image</translation>
    </message>
    <message id="32802">
        <source>Zoom in one step
Zoom In</source>
        <extracomment>app.def CmdZoomIn</extracomment>
        <translation>Zoom avant d’un cran
Zoom avant</translation>
    </message>
    <message id="32803">
        <source>Zoom out one step
Zoom Out</source>
        <extracomment>app.def CmdZoomOut</extracomment>
        <translation>Zoom arrière d’un cran
Zoom arrière</translation>
    </message>
    <message id="32804">
        <source>Show the picture at its own size
Zoom 1:1</source>
        <extracomment>app.def CmdZoom1</extracomment>
        <translation>Afficher l’image à sa taille réelle
Zoom 1:1</translation>
    </message>
    <message id="32805">
        <source>Show the picture twice as large
Zoom 2:1</source>
        <extracomment>app.def CmdZoom2</extracomment>
        <translation>Afficher l’image deux fois plus grande
Zoom 2:1</translation>
    </message>
    <message id="32806">
        <source>Show the picture three times as large
Zoom 3:1</source>
        <extracomment>app.def CmdZoom3</extracomment>
        <translation>Afficher l’image trois fois plus grande
Zoom 3:1</translation>
    </message>
    <message id="32807">
        <source>Show the picture four times as large
Zoom 4:1</source>
        <extracomment>app.def CmdZoom4</extracomment>
        <translation>Afficher l’image quatre fois plus grande
Zoom 4:1</translation>
    </message>
    <message id="32808">
        <source>Show the picture five times as large
Zoom 5:1</source>
        <extracomment>app.def CmdZoom5</extracomment>
        <translation>Afficher l’image cinq fois plus grande
Zoom 5:1</translation>
    </message>
    <message id="32809">
        <source>Show the picture six times as large
Zoom 6:1</source>
        <extracomment>app.def CmdZoom6</extracomment>
        <translation>Afficher l’image six fois plus grande
Zoom 6:1</translation>
    </message>
    <message id="32810">
        <source>Show the picture seven times as large
Zoom 7:1</source>
        <extracomment>app.def CmdZoom7</extracomment>
        <translation>Afficher l’image sept fois plus grande
Zoom 7:1</translation>
    </message>
    <message id="32811">
        <source>Show the picture eight times as large
Zoom 8:1</source>
        <extracomment>app.def CmdZoom8</extracomment>
        <translation>Afficher l’image huit fois plus grande
Zoom 8:1</translation>
    </message>
    <message id="32825">
        <source>Keep the Tessary window above all other windows
Keep Visible</source>
        <extracomment>app.def CmdKeepVisible</extracomment>
        <translation>Garder la fenêtre de Tessary au-dessus de toutes les autres
Toujours visible</translation>
    </message>
    <message id="32827">
        <source>Make the selected area the first of the map
Bring to front</source>
        <extracomment>app.def CmdMoveToFront</extracomment>
        <translation>Faire de la zone sélectionnée la première de la carte
Mettre au premier plan</translation>
    </message>
    <message id="32828">
        <source>Make the selected area the last of the map
Send to back</source>
        <extracomment>app.def CmdSendToBack</extracomment>
        <translation>Faire de la zone sélectionnée la dernière de la carte
Mettre à l’arrière-plan</translation>
    </message>
    <message id="32829">
        <source>Create a new button picture and map it with the Image wizard
Create New Image</source>
        <extracomment>app.def CmdCreateNewImage</extracomment>
        <translation>Créer une nouvelle image de boutons et la cartographier avec l’assistant d’image
Créer une image</translation>
    </message>
    <message id="57600">
        <source>Create a new image map with the New Map wizard
New Image Map</source>
        <extracomment>app.def CmdNewImageMap</extracomment>
        <translation>Créer une nouvelle carte cliquable avec l’assistant de carte
Nouvelle carte cliquable</translation>
    </message>
    <message id="57601">
        <source>Open an existing image map
Open</source>
        <extracomment>app.def CmdOpen</extracomment>
        <translation>Ouvrir une carte cliquable existante
Ouvrir</translation>
    </message>
    <message id="57602">
        <source>Close the active map
Close</source>
        <extracomment>app.def CmdClose</extracomment>
        <translation>Fermer la carte active
Fermer</translation>
    </message>
    <message id="57603">
        <source>Save the active map
Save</source>
        <extracomment>app.def CmdSave</extracomment>
        <translation>Enregistrer la carte active
Enregistrer</translation>
    </message>
    <message id="57604">
        <source>Save the active map under a new name
Save As</source>
        <extracomment>app.def CmdSaveAs</extracomment>
        <translation>Enregistrer la carte active sous un nouveau nom
Enregistrer sous</translation>
    </message>
    <message id="57607">
        <source>Print the active map
Print</source>
        <extracomment>app.def CmdPrint</extracomment>
        <translation>Imprimer la carte active
Imprimer</translation>
    </message>
    <message id="57616">
        <source>Open this map
Recent File</source>
        <extracomment>app.def CmdRecentFile</extracomment>
        <translation>Ouvrir cette carte
Fichier récent</translation>
    </message>
    <message id="57634">
        <source>Copy the selected area to the clipboard
Copy</source>
        <extracomment>app.def CmdCopy</extracomment>
        <translation>Copier la zone sélectionnée dans le presse-papiers
Copier</translation>
    </message>
    <message id="57635">
        <source>Cut the selected area to the clipboard
Cut</source>
        <extracomment>app.def CmdCut</extracomment>
        <translation>Couper la zone sélectionnée dans le presse-papiers
Couper</translation>
    </message>
    <message id="57637">
        <source>Paste an area from the clipboard
Paste</source>
        <extracomment>app.def CmdPaste</extracomment>
        <translation>Coller une zone depuis le presse-papiers
Coller</translation>
    </message>
    <message id="57643">
        <source>Undo the last action
Undo</source>
        <extracomment>app.def CmdUndo</extracomment>
        <translation>Annuler la dernière action
Annuler</translation>
    </message>
    <message id="57649">
        <source>Arrange the icons of minimized map windows
Arrange Icons</source>
        <extracomment>app.def CmdArrange</extracomment>
        <translation>Réorganiser les icônes des fenêtres de carte réduites
Réorganiser les icônes</translation>
    </message>
    <message id="57650">
        <source>Arrange the map windows so that they overlap
Cascade</source>
        <extracomment>app.def CmdCascade</extracomment>
        <translation>Disposer les fenêtres de carte en cascade
Cascade</translation>
    </message>
    <message id="57651">
        <source>Arrange the map windows side by side
Tile</source>
        <extracomment>app.def CmdTile</extracomment>
        <translation>Disposer les fenêtres de carte côte à côte
Mosaïque</translation>
    </message>
    <message id="57664">
        <source>Show the program's version
About</source>
        <extracomment>app.def CmdAbout</extracomment>
        <translation>Afficher la version du programme
À propos</translation>
    </message>
    <message id="57665">
        <source>Quit Tessary; changed maps can be saved first
Exit</source>
        <extracomment>app.def CmdExit</extracomment>
        <translation>Quitter Tessary ; les cartes modifiées peuvent d’abord être enregistrées
Quitter</translation>
    </message>
    <message id="57666">
        <source>List the help topics
Help Contents</source>
        <extracomment>app.def CmdHelpContents</extracomment>
        <translation>Lister les rubriques d’aide
Sommaire de l’aide</translation>
    </message>
    <message id="57670">
        <source>Show help on the current task
Help</source>
        <extracomment>app.def CmdHelp</extracomment>
        <translation>Afficher l’aide sur la tâche en cours
Aide</translation>
    </message>
    <message id="57680">
        <source>Move to the next pane of the map window
Next Pane</source>
        <extracomment>app.def CmdNextPane</extracomment>
        <translation>Passer au volet suivant de la fenêtre de carte
Volet suivant</translation>
    </message>
    <message id="57681">
        <source>Move to the previous pane of the map window
Previous Pane</source>
        <extracomment>app.def CmdPreviousPane</extracomment>
        <translation>Passer au volet précédent de la fenêtre de carte
Volet précédent</translation>
    </message>
    <message id="59392">
        <source>Show or hide the toolbar
Toolbar</source>
        <extracomment>app.def CmdViewToolbar</extracomment>
        <translation>Afficher ou masquer la barre d’outils
Barre d’outils</translation>
    </message>
    <message id="59393">
        <source>Show or hide the status bar
Status Bar</source>
        <extracomment>app.def CmdViewStatusBar</extracomment>
        <translation>Afficher ou masquer la barre d’état
Barre d’état</translation>
    </message>
    <message id="8300">
        <source>&amp;File</source>
        <extracomment>app.def MenuFile</extracomment>
        <translation>&amp;Fichier</translation>
    </message>
    <message id="8301">
        <source>&amp;Edit</source>
        <extracomment>app.def MenuEdit</extracomment>
        <translation>É&amp;dition</translation>
    </message>
    <message id="8302">
        <source>&amp;View</source>
        <extracomment>app.def MenuView</extracomment>
        <translation>Afficha&amp;ge</translation>
    </message>
    <message id="8303">
        <source>&amp;Mapping</source>
        <extracomment>app.def MenuMapping</extracomment>
        <translation>&amp;Carte</translation>
    </message>
    <message id="8304">
        <source>&amp;Goodies</source>
        <extracomment>app.def MenuGoodies</extracomment>
        <translation>&amp;Outils</translation>
    </message>
    <message id="8305">
        <source>&amp;Window</source>
        <extracomment>app.def MenuWindow</extracomment>
        <translation>Fe&amp;nêtre</translation>
    </message>
    <message id="8306">
        <source>&amp;Help</source>
        <extracomment>app.def MenuHelp</extracomment>
        <translation>&amp;Aide</translation>
    </message>
    <message id="8307">
        <source>&amp;Zoom To</source>
        <extracomment>app.def MenuZoomTo</extracomment>
        <translation>&amp;Zoom</translation>
    </message>
    <message id="8310">
        <source>&amp;New Image Map...</source>
        <extracomment>app.def ItemNewImageMap</extracomment>
        <translation>&amp;Nouvelle carte cliquable...</translation>
    </message>
    <message id="8311">
        <source>C&amp;reate New Image...</source>
        <extracomment>app.def ItemCreateNewImage</extracomment>
        <translation>C&amp;réer une image...</translation>
    </message>
    <message id="8312">
        <source>&amp;Open...</source>
        <extracomment>app.def ItemOpen</extracomment>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message id="8313">
        <source>&amp;Close</source>
        <extracomment>app.def ItemClose</extracomment>
        <translation>&amp;Fermer</translation>
    </message>
    <message id="8314">
        <source>&amp;Save</source>
        <extracomment>app.def ItemSave</extracomment>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message id="8315">
        <source>Save &amp;As...</source>
        <extracomment>app.def ItemSaveAs</extracomment>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message id="8316">
        <source>C&amp;hange Image to File...</source>
        <extracomment>app.def ItemChangeImage</extracomment>
        <translation>&amp;Changer d’image...</translation>
    </message>
    <message id="8317">
        <source>&amp;Preferences...</source>
        <extracomment>app.def ItemPreferences</extracomment>
        <translation>&amp;Préférences...</translation>
    </message>
    <message id="8318">
        <source>E&amp;xit</source>
        <extracomment>app.def ItemExit</extracomment>
        <translation>&amp;Quitter</translation>
    </message>
    <message id="8319">
        <source>&amp;Print...</source>
        <extracomment>app.def ItemPrint</extracomment>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message id="8320">
        <source>&amp;Undo</source>
        <extracomment>app.def ItemUndo</extracomment>
        <translation>&amp;Annuler</translation>
    </message>
    <message id="8321">
        <source>Cu&amp;t</source>
        <extracomment>app.def ItemCut</extracomment>
        <translation>Co&amp;uper</translation>
    </message>
    <message id="8322">
        <source>&amp;Copy</source>
        <extracomment>app.def ItemCopy</extracomment>
        <translation>&amp;Copier</translation>
    </message>
    <message id="8323">
        <source>&amp;Paste</source>
        <extracomment>app.def ItemPaste</extracomment>
        <translation>C&amp;oller</translation>
    </message>
    <message id="8324">
        <source>&amp;Delete</source>
        <extracomment>app.def ItemDelete</extracomment>
        <translation>&amp;Supprimer</translation>
    </message>
    <message id="8325">
        <source>Edit &amp;Area Info...</source>
        <extracomment>app.def ItemEditAreaInfo</extracomment>
        <translation>Modifier les infos de la &amp;zone...</translation>
    </message>
    <message id="8326">
        <source>&amp;Toolbar</source>
        <extracomment>app.def ItemViewToolbar</extracomment>
        <translation>&amp;Barre d’outils</translation>
    </message>
    <message id="8327">
        <source>&amp;Status Bar</source>
        <extracomment>app.def ItemViewStatusBar</extracomment>
        <translation>Barre d’é&amp;tat</translation>
    </message>
    <message id="8328">
        <source>&amp;Area List</source>
        <extracomment>app.def ItemAreaList</extracomment>
        <translation>&amp;Liste des zones</translation>
    </message>
    <message id="8329">
        <source>Zoom &amp;In</source>
        <extracomment>app.def ItemZoomIn</extracomment>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message id="8330">
        <source>Zoom &amp;Out</source>
        <extracomment>app.def ItemZoomOut</extracomment>
        <translation>Zoom arrièr&amp;e</translation>
    </message>
    <message id="8332">
        <source>&amp;Rectangle</source>
        <extracomment>app.def ItemRectangle</extracomment>
        <translation>&amp;Rectangle</translation>
    </message>
    <message id="8333">
        <source>&amp;Circle</source>
        <extracomment>app.def ItemCircle</extracomment>
        <translation>&amp;Cercle</translation>
    </message>
    <message id="8334">
        <source>&amp;Polygon</source>
        <extracomment>app.def ItemPolygon</extracomment>
        <translation>&amp;Polygone</translation>
    </message>
    <message id="8335">
        <source>&amp;Arrow</source>
        <extracomment>app.def ItemArrow</extracomment>
        <translation>&amp;Flèche</translation>
    </message>
    <message id="8336">
        <source>Edit &amp;Map Info...</source>
        <extracomment>app.def ItemEditMapInfo</extracomment>
        <translation>&amp;Modifier les infos de la carte...</translation>
    </message>
    <message id="8337">
        <source>&amp;Grid</source>
        <extracomment>app.def ItemGrid</extracomment>
        <translation>&amp;Grille</translation>
    </message>
    <message id="8338">
        <source>Grid &amp;Settings...</source>
        <extracomment>app.def ItemGridSettings</extracomment>
        <translation>Réglages de la gri&amp;lle...</translation>
    </message>
    <message id="8339">
        <source>Create G&amp;uides...</source>
        <extracomment>app.def ItemCreateGuides</extracomment>
        <translation>Créer des gui&amp;des...</translation>
    </message>
    <message id="8340">
        <source>&amp;Test Map...</source>
        <extracomment>app.def ItemTestMap</extracomment>
        <translation>&amp;Tester la carte...</translation>
    </message>
    <message id="8341">
        <source>&amp;Cascade</source>
        <extracomment>app.def ItemCascade</extracomment>
        <translation>&amp;Cascade</translation>
    </message>
    <message id="8342">
        <source>&amp;Tile</source>
        <extracomment>app.def ItemTile</extracomment>
        <translation>&amp;Mosaïque</translation>
    </message>
    <message id="8343">
        <source>&amp;Arrange Icons</source>
        <extracomment>app.def ItemArrange</extracomment>
        <translation>&amp;Réorganiser les icônes</translation>
    </message>
    <message id="8344">
        <source>&amp;Contents</source>
        <extracomment>app.def ItemHelpContents</extracomment>
        <translation>&amp;Sommaire</translation>
    </message>
    <message id="8345">
        <source>&amp;About Tessary...</source>
        <extracomment>app.def ItemAbout</extracomment>
        <translation>À &amp;propos de Tessary...</translation>
    </message>
    <message id="8346">
        <source>&amp;Help</source>
        <extracomment>app.def ItemHelp</extracomment>
        <translation>&amp;Aide</translation>
    </message>
    <message id="8347">
        <source>&amp;Keep Visible</source>
        <extracomment>app.def ItemKeepVisible</extracomment>
        <translation>&amp;Toujours visible</translation>
    </message>
    <message id="8348">
        <source>Bring to &amp;Front</source>
        <extracomment>app.def ItemMoveToFront</extracomment>
        <translation>Mettre au &amp;premier plan</translation>
    </message>
    <message id="8349">
        <source>Send to &amp;Back</source>
        <extracomment>app.def ItemSendToBack</extracomment>
        <translation>Mettre à l’&amp;arrière-plan</translation>
    </message>
    <message id="8350">
        <source>&amp;Delete Point</source>
        <extracomment>app.def ItemDeletePoint</extracomment>
        <translation>Supprimer ce poi&amp;nt</translation>
    </message>
    <message id="8351">
        <source>&amp;Insert Point</source>
        <extracomment>app.def ItemInsertPoint</extracomment>
        <translation>&amp;Insérer un point</translation>
    </message>
    <message id="8352">
        <source>Ne&amp;xt Pane</source>
        <extracomment>app.def ItemNextPane</extracomment>
        <translation>Volet sui&amp;vant</translation>
    </message>
    <message id="8353">
        <source>Pre&amp;vious Pane</source>
        <extracomment>app.def ItemPreviousPane</extracomment>
        <translation>Volet pré&amp;cédent</translation>
    </message>
    <message id="8354">
        <source>&amp;Welcome...</source>
        <extracomment>app.def ItemWelcome</extracomment>
        <translation>&amp;Bienvenue...</translation>
    </message>
    <message id="8357">
        <source>Toolbar</source>
        <extracomment>app.def ToolbarMain</extracomment>
        <translation>Barre d’outils</translation>
    </message>
    <message id="8358">
        <source>Map</source>
        <extracomment>app.def ToolbarMap</extracomment>
        <translation>Carte</translation>
    </message>
    <message id="8372">
        <source>Ready</source>
        <extracomment>app.def IdleMessage</extracomment>
        <translation>Prêt</translation>
    </message>
    <message id="8373">
        <source>Area %d is obscured</source>
        <extracomment>app.def AreaObscuredTip</extracomment>
        <translation>La zone %d est masquée</translation>
    </message>
    <message id="8374">
        <source>Area %d missing URL</source>
        <extracomment>app.def AreaMissingUrlTip</extracomment>
        <translation>La zone %d n’a pas d’URL</translation>
    </message>
    <message id="8381">
        <source>Save changes to %s?</source>
        <extracomment>app.def SaveChangesQuestion</extracomment>
        <translation>Enregistrer les modifications de %s ?</translation>
    </message>
    <message id="8382">
        <source>Program/System Failure</source>
        <extracomment>app.def StartupFailureCaption</extracomment>
        <translation>Défaillance du programme ou du système</translation>
    </message>
    <message id="8385">
        <source>URL</source>
        <extracomment>app.def AreaListUrl</extracomment>
        <translation>URL</translation>
    </message>
    <message id="8386">
        <source>Open as &amp;read-only</source>
        <extracomment>app.def ReadOnlyBox</extracomment>
        <translation>Ouvrir en &amp;lecture seule</translation>
    </message>
    <message id="8387">
        <source>Save the Image Map file</source>
        <extracomment>app.def SaveMapTitle</extracomment>
        <translation>Enregistrer le fichier de carte cliquable</translation>
    </message>
    <message id="8388">
        <source>%s
This file aready exists.
Replace existing file?</source>
        <extracomment>app.def ReplaceExistingFile</extracomment>
        <translation>%s
Ce fichier existe déjà.
Remplacer le fichier existant ?</translation>
    </message>
    <message id="8389">
        <source>This HTML file is malformed. Refusing to save into this file due to extreme possibility of destroying the file.</source>
        <extracomment>app.def MalformedPage</extracomment>
        <translation>Ce fichier HTML est mal formé. Tessary refuse d’y enregistrer, car le fichier risquerait fort d’être détruit.</translation>
    </message>
    <message id="8390">
        <source>Map Saved</source>
        <extracomment>app.def SavedTitle</extracomment>
        <translation>Carte enregistrée</translation>
    </message>
    <message id="8391">
        <source>&amp;Don't show this dialog again.</source>
        <extracomment>app.def SavedDontShow</extracomment>
        <translation>&amp;Ne plus afficher cette fenêtre.</translation>
    </message>
    <message id="8392">
        <source>Multiple Maps in HTML File</source>
        <extracomment>app.def MultipleMapsTitle</extracomment>
        <translation>Plusieurs cartes dans le fichier HTML</translation>
    </message>
    <message id="8393">
        <source>This HTML file holds more than one map. Choose the map to edit:</source>
        <extracomment>app.def MultipleMapsPrompt</extracomment>
        <translation>Ce fichier HTML contient plusieurs cartes. Choisissez la carte à modifier :</translation>
    </message>
    <message id="8394">
        <source>Map Name</source>
        <extracomment>app.def MultipleMapsName</extracomment>
        <translation>Nom de la carte</translation>
    </message>
    <message id="8395">
        <source>Related Graphic</source>
        <extracomment>app.def MultipleMapsGraphic</extracomment>
        <translation>Image associée</translation>
    </message>
    <message id="8400">
        <source>Grid Settings</source>
        <extracomment>app.def GridTitle</extracomment>
        <translation>Réglages de la grille</translation>
    </message>
    <message id="8401">
        <source>&amp;Snap-To Grid Enabled</source>
        <extracomment>app.def GridEnabled</extracomment>
        <translation>&amp;Grille magnétique activée</translation>
    </message>
    <message id="8402">
        <source>Visibility</source>
        <extracomment>app.def GridVisibility</extracomment>
        <translation>Visibilité</translation>
    </message>
    <message id="8403">
        <source>&amp;Hidden</source>
        <extracomment>app.def GridHidden</extracomment>
        <translation>&amp;Masquée</translation>
    </message>
    <message id="8404">
        <source>L&amp;ines</source>
        <extracomment>app.def GridLines</extracomment>
        <translation>L&amp;ignes</translation>
    </message>
    <message id="8405">
        <source>&amp;Crosses</source>
        <extracomment>app.def GridCrosses</extracomment>
        <translation>&amp;Croix</translation>
    </message>
    <message id="8406">
        <source>Spacing and offset in image pixels</source>
        <extracomment>app.def GridSpacing</extracomment>
        <translation>Espacement et décalage en pixels de l’image</translation>
    </message>
    <message id="8407">
        <source>&amp;Width:</source>
        <extracomment>app.def GridWidth</extracomment>
        <translation>&amp;Largeur :</translation>
    </message>
    <message id="8408">
        <source>H&amp;eight:</source>
        <extracomment>app.def GridHeight</extracomment>
        <translation>Hau&amp;teur :</translation>
    </message>
    <message id="8409">
        <source>Offset from &amp;left:</source>
        <extracomment>app.def GridOffsetLeft</extracomment>
        <translation>Décalage depuis la g&amp;auche :</translation>
    </message>
    <message id="8410">
        <source>Offset from &amp;top:</source>
        <extracomment>app.def GridOffsetTop</extracomment>
        <translation>Décalage depuis le &amp;haut :</translation>
    </message>
    <message id="8420">
        <source>Command Line Switches</source>
        <extracomment>app.def SwitchesTitle</extracomment>
        <translation>Options de la ligne de commande</translation>
    </message>
    <message id="8421">
        <source>Tessary.exe {filename} {/m:mapfile} {/g:imagefile}</source>
        <extracomment>app.def SwitchesSyntax</extracomment>
        <translation>Tessary.exe {fichier} {/m:fichiercarte} {/g:fichierimage}</translation>
    </message>
    <message id="8422">
        <source>filename: an image map to open (.map, .imp, .htm or .html).</source>
        <extracomment>app.def SwitchesFile</extracomment>
        <translation>fichier : une carte cliquable à ouvrir (.map, .imp, .htm ou .html).</translation>
    </message>
    <message id="8423">
        <source>/m:mapfile: without a filename, a new map starts that will be saved in mapfile.</source>
        <extracomment>app.def SwitchesMap</extracomment>
        <translation>/m:fichiercarte : sans fichier, une nouvelle carte commence, qui sera enregistrée dans fichiercarte.</translation>
    </message>
    <message id="8424">
        <source>/g:imagefile: the picture (GIF, JPG or PNG) of the map; without a filename, a new map starts on it without a wizard.</source>
        <extracomment>app.def SwitchesImage</extracomment>
        <translation>/g:fichierimage : l’image (GIF, JPG ou PNG) de la carte ; sans fichier, une nouvelle carte commence sur cette image, sans assistant.</translation>
    </message>
    <message id="8425">
        <source>Every switch may begin with - instead of /.</source>
        <extracomment>app.def SwitchesDash</extracomment>
        <translation>Chaque option peut commencer par - au lieu de /.</translation>
    </message>
    <message id="8440">
        <source>Welcome to Tessary</source>
        <extracomment>app.def WelcomeTitle</extracomment>
        <translation>Bienvenue dans Tessary</translation>
    </message>
    <message id="8441">
        <source>What would you like to do?</source>
        <extracomment>app.def WelcomeQuestion</extracomment>
        <translation>Que voulez-vous faire ?</translation>
    </message>
    <message id="8442">
        <source>&amp;Open an existing image map</source>
        <extracomment>app.def WelcomeOpen</extracomment>
        <translation>&amp;Ouvrir une carte cliquable existante</translation>
    </message>
    <message id="8443">
        <source>Start the New &amp;Image Map Wizard</source>
        <extracomment>app.def WelcomeNewMap</extracomment>
        <translation>Lancer l’assistant de nouvelle carte &amp;cliquable</translation>
    </message>
    <message id="8444">
        <source>Start the Image &amp;Creator</source>
        <extracomment>app.def WelcomeCreateImage</extracomment>
        <translation>Lancer le créateur d’&amp;images</translation>
    </message>
    <message id="8445">
        <source>&amp;Never show this dialog again.</source>
        <extracomment>app.def WelcomeNeverShow</extracomment>
        <translation>&amp;Ne plus jamais afficher cette fenêtre.</translation>
    </message>
    <message id="8460">
        <source>version </source>
        <extracomment>app.def AboutVersionLead</extracomment>
        <translation>version </translation>
    </message>
    <message id="8640">
        <source>Comment</source>
        <extracomment>guides.def AreaListComment</extracomment>
        <translation>Commentaire</translation>
    </message>
    <message id="8641">
        <source>Frame Target</source>
        <extracomment>guides.def AreaListTarget</extracomment>
        <translation>Cadre cible</translation>
    </message>
    <message id="8642">
        <source>Create Guides</source>
        <extracomment>guides.def GuidesTitle</extracomment>
        <translation>Créer des guides</translation>
    </message>
    <message id="8643">
        <source>Number &amp;across:</source>
        <extracomment>guides.def GuidesAcrossLabel</extracomment>
        <translation>Nombre en &amp;largeur :</translation>
    </message>
    <message id="8644">
        <source>Number &amp;down:</source>
        <extracomment>guides.def GuidesDownLabel</extracomment>
        <translation>Nombre en &amp;hauteur :</translation>
    </message>
    <message id="8645">
        <source>&amp;Width of each guide:</source>
        <extracomment>guides.def GuidesWidthLabel</extracomment>
        <translation>La&amp;rgeur de chaque guide :</translation>
    </message>
    <message id="8646">
        <source>&amp;Height of each guide:</source>
        <extracomment>guides.def GuidesHeightLabel</extracomment>
        <translation>Hau&amp;teur de chaque guide :</translation>
    </message>
    <message id="8647">
        <source>Hori&amp;zontal spacing:</source>
        <extracomment>guides.def GuidesSpacingXLabel</extracomment>
        <translation>Espacement hori&amp;zontal :</translation>
    </message>
    <message id="8648">
        <source>&amp;Vertical spacing:</source>
        <extracomment>guides.def GuidesSpacingYLabel</extracomment>
        <translation>Espacement &amp;vertical :</translation>
    </message>
    <message id="8649">
        <source>&amp;Left start:</source>
        <extracomment>guides.def GuidesLeftStartLabel</extracomment>
        <translation>Départ à &amp;gauche :</translation>
    </message>
    <message id="8650">
        <source>&amp;Top start:</source>
        <extracomment>guides.def GuidesTopStartLabel</extracomment>
        <translation>Dép&amp;art en haut :</translation>
    </message>
    <message id="8651">
        <source>Base &amp;URL (%d numbers the guides):</source>
        <extracomment>guides.def GuidesBaseUrlLabel</extracomment>
        <translation>&amp;URL de base (%d numérote les guides) :</translation>
    </message>
    <message id="8652">
        <source>Image size:</source>
        <extracomment>guides.def GuidesImageSizeLabel</extracomment>
        <translation>Taille de l’image :</translation>
    </message>
    <message id="8653">
        <source>Guides cover:</source>
        <extracomment>guides.def GuidesBoundsLabel</extracomment>
        <translation>Les guides couvrent :</translation>
    </message>
    <message id="8654">
        <source>Areas Existing</source>
        <extracomment>guides.def AreasExistingTitle</extracomment>
        <translation>Zones existantes</translation>
    </message>
    <message id="8655">
        <source>This map already has areas. Add the guides after them, or replace them with the guides?</source>
        <extracomment>guides.def AreasExistingText</extracomment>
        <translation>Cette carte a déjà des zones. Ajouter les guides à leur suite, ou les remplacer par les guides ?</translation>
    </message>
    <message id="8656">
        <source>&amp;Add</source>
        <extracomment>guides.def AreasExistingAdd</extracomment>
        <translation>&amp;Ajouter</translation>
    </message>
    <message id="8657">
        <source>&amp;Replace</source>
        <extracomment>guides.def AreasExistingReplace</extracomment>
        <translation>&amp;Remplacer</translation>
    </message>
    <message id="8461">
        <source>Test The Map</source>
        <extracomment>prefs.def TestMapIntroTitle</extracomment>
        <translation>Tester la carte</translation>
    </message>
    <message id="8462">
        <source>Test Map shows the picture at its own size, as a visitor's browser shows it. Point at the picture: the field below it shows the URL that a click there would follow.

This only shows what a visitor would see. To work for visitors, the map must be saved into its page and placed, with the page and the picture, on a web server.</source>
        <extracomment>prefs.def TestMapIntroText</extracomment>
        <translation>« Tester la carte » affiche l’image à sa taille réelle, comme le navigateur d’un visiteur. Pointez sur l’image : le champ en dessous indique l’URL qu’un clic à cet endroit suivrait.

Cela montre seulement ce que verrait un visiteur. Pour fonctionner chez les visiteurs, la carte doit être enregistrée dans sa page, puis placée sur un serveur web avec la page et l’image.</translation>
    </message>
    <message id="8463">
        <source>&amp;Don't show this dialog next time.</source>
        <extracomment>prefs.def TestMapIntroDontShow</extracomment>
        <translation>&amp;Ne plus afficher cette fenêtre la prochaine fois.</translation>
    </message>
    <message id="8464">
        <source>Test Map</source>
        <extracomment>prefs.def TestMapTitle</extracomment>
        <translation>Tester la carte</translation>
    </message>
    <message id="8465">
        <source>URL:</source>
        <extracomment>prefs.def TestMapUrl</extracomment>
        <translation>URL :</translation>
    </message>
    <message id="8466">
        <source>&amp;Done</source>
        <extracomment>prefs.def TestMapDone</extracomment>
        <translation>&amp;Terminé</translation>
    </message>
    <message id="8467">
        <source>Preference Settings</source>
        <extracomment>prefs.def PrefsTitle</extracomment>
        <translation>Préférences</translation>
    </message>
    <message id="8468">
        <source>General</source>
        <extracomment>prefs.def PrefsGeneral</extracomment>
        <translation>Général</translation>
    </message>
    <message id="8469">
        <source>Colors</source>
        <extracomment>prefs.def PrefsColors</extracomment>
        <translation>Couleurs</translation>
    </message>
    <message id="8470">
        <source>Guru</source>
        <extracomment>prefs.def PrefsGuru</extracomment>
        <translation>Expert</translation>
    </message>
    <message id="8471">
        <source>&amp;Prompt for new area info</source>
        <extracomment>prefs.def PrefsAreaPrompt</extracomment>
        <translation>&amp;Demander les infos d’une nouvelle zone</translation>
    </message>
    <message id="8472">
        <source>&amp;Require default URL</source>
        <extracomment>prefs.def PrefsRequireDefault</extracomment>
        <translation>E&amp;xiger une URL par défaut</translation>
    </message>
    <message id="8473">
        <source>Show area &amp;url tip</source>
        <extracomment>prefs.def PrefsShowAreaTips</extracomment>
        <translation>Afficher l’info-bulle d’&amp;URL des zones</translation>
    </message>
    <message id="8474">
        <source>Show &amp;area handles</source>
        <extracomment>prefs.def PrefsShowHandles</extracomment>
        <translation>Afficher les &amp;poignées des zones</translation>
    </message>
    <message id="8475">
        <source>Use &amp;double-sized grab handles</source>
        <extracomment>prefs.def PrefsGrabSize</extracomment>
        <translation>Poignées de taille dou&amp;ble</translation>
    </message>
    <message id="8476">
        <source>Maximize map window when opening</source>
        <extracomment>prefs.def PrefsMaximizeOnOpen</extracomment>
        <translation>Agrandir la fenêtre de carte à l’ouverture</translation>
    </message>
    <message id="8477">
        <source>Zoom small images to fit window</source>
        <extracomment>prefs.def PrefsZoomToFit</extracomment>
        <translation>Zoomer les petites images à la taille de la fenêtre</translation>
    </message>
    <message id="8478">
        <source>Default color</source>
        <extracomment>prefs.def PrefsDefaultColor</extracomment>
        <translation>Couleur par défaut</translation>
    </message>
    <message id="8479">
        <source>Selected color</source>
        <extracomment>prefs.def PrefsSelectedColor</extracomment>
        <translation>Couleur de sélection</translation>
    </message>
    <message id="8480">
        <source>Flyby color</source>
        <extracomment>prefs.def PrefsFlybyColor</extracomment>
        <translation>Couleur au survol</translation>
    </message>
    <message id="8481">
        <source>Area Fill Color and Style</source>
        <extracomment>prefs.def PrefsFill</extracomment>
        <translation>Couleur et motif de remplissage des zones</translation>
    </message>
    <message id="8482">
        <source>&amp;Enabled</source>
        <extracomment>prefs.def PrefsFillEnabled</extracomment>
        <translation>&amp;Activé</translation>
    </message>
    <message id="8483">
        <source>&amp;Max. Recent files:</source>
        <extracomment>prefs.def PrefsMaxRecent</extracomment>
        <translation>&amp;Nombre max. de fichiers récents :</translation>
    </message>
    <message id="8484">
        <source>&amp;Clear List</source>
        <extracomment>prefs.def PrefsClearList</extracomment>
        <translation>&amp;Vider la liste</translation>
    </message>
    <message id="8485">
        <source>Text to supply as &amp;default URL when needed:</source>
        <extracomment>prefs.def PrefsDefaultUrlLead</extracomment>
        <translation>Texte à utiliser comme URL par &amp;défaut si nécessaire :</translation>
    </message>
    <message id="8486">
        <source>Colour of the outline's dots</source>
        <extracomment>prefs.def PrefsLineColorTip</extracomment>
        <translation>Couleur des points du contour</translation>
    </message>
    <message id="8487">
        <source>Colour between the outline's dots</source>
        <extracomment>prefs.def PrefsBackColorTip</extracomment>
        <translation>Couleur entre les points du contour</translation>
    </message>
    <message id="8488">
        <source>Colour of the hatching</source>
        <extracomment>prefs.def PrefsFillColorTip</extracomment>
        <translation>Couleur des hachures</translation>
    </message>
    <message id="8489">
        <source>Choose a Colour</source>
        <extracomment>prefs.def ColorPickerTitle</extracomment>
        <translation>Choisir une couleur</translation>
    </message>
    <message id="7056">
        <source>The new Max Recent Files setting will take effect the next time you run Tessary.</source>
        <extracomment>prefs.def MaxRecentNextRun</extracomment>
        <translation>Le nouveau nombre de fichiers récents prendra effet au prochain lancement de Tessary.</translation>
    </message>
    <message id="57644">
        <source>Redo the previously undone action
Redo</source>
        <extracomment>undo.def CmdRedo</extracomment>
        <translation>Rétablir la dernière action annulée
Rétablir</translation>
    </message>
    <message id="8550">
        <source>&amp;Redo</source>
        <extracomment>undo.def ItemRedo</extracomment>
        <translation>&amp;Rétablir</translation>
    </message>
    <message id="8551">
        <source>&amp;Undo %s</source>
        <extracomment>undo.def ItemUndoStep</extracomment>
        <translation>&amp;Annuler : %s</translation>
    </message>
    <message id="8552">
        <source>&amp;Redo %s</source>
        <extracomment>undo.def ItemRedoStep</extracomment>
        <translation>&amp;Rétablir : %s</translation>
    </message>
    <message id="8555">
        <source>Draw Area</source>
        <extracomment>undo.def StepDrawArea</extracomment>
        <translation>Dessiner une zone</translation>
    </message>
    <message id="8556">
        <source>Paste</source>
        <extracomment>undo.def StepPaste</extracomment>
        <translation>Coller</translation>
    </message>
    <message id="8557">
        <source>Delete Area</source>
        <extracomment>undo.def StepDeleteArea</extracomment>
        <translation>Supprimer la zone</translation>
    </message>
    <message id="8558">
        <source>Cut</source>
        <extracomment>undo.def StepCut</extracomment>
        <translation>Couper</translation>
    </message>
    <message id="8559">
        <source>Bring to Front</source>
        <extracomment>undo.def StepBringToFront</extracomment>
        <translation>Mettre au premier plan</translation>
    </message>
    <message id="8560">
        <source>Send to Back</source>
        <extracomment>undo.def StepSendToBack</extracomment>
        <translation>Mettre à l’arrière-plan</translation>
    </message>
    <message id="8561">
        <source>Reorder Area</source>
        <extracomment>undo.def StepReorderArea</extracomment>
        <translation>Réordonner la zone</translation>
    </message>
    <message id="8562">
        <source>Move Area</source>
        <extracomment>undo.def StepMoveArea</extracomment>
        <translation>Déplacer la zone</translation>
    </message>
    <message id="8563">
        <source>Reshape Area</source>
        <extracomment>undo.def StepReshapeArea</extracomment>
        <translation>Remodeler la zone</translation>
    </message>
    <message id="8564">
        <source>Insert Point</source>
        <extracomment>undo.def StepInsertPoint</extracomment>
        <translation>Insérer un point</translation>
    </message>
    <message id="8565">
        <source>Delete Point</source>
        <extracomment>undo.def StepDeletePoint</extracomment>
        <translation>Supprimer le point</translation>
    </message>
    <message id="8566">
        <source>Area Settings</source>
        <extracomment>undo.def StepAreaSettings</extracomment>
        <translation>Propriétés de la zone</translation>
    </message>
    <message id="8567">
        <source>Drop URL</source>
        <extracomment>undo.def StepDropUrl</extracomment>
        <translation>Déposer une URL</translation>
    </message>
    <message id="8568">
        <source>Edit Map Info</source>
        <extracomment>undo.def StepEditMapInfo</extracomment>
        <translation>Modifier les infos de la carte</translation>
    </message>
    <message id="8569">
        <source>Change Image</source>
        <extracomment>undo.def StepChangeImage</extracomment>
        <translation>Changer d’image</translation>
    </message>
    <message id="8570">
        <source>Clip Areas to Image</source>
        <extracomment>undo.def StepClipAreas</extracomment>
        <translation>Rogner les zones à l’image</translation>
    </message>
    <message id="8571">
        <source>Create Guides</source>
        <extracomment>undo.def StepCreateGuides</extracomment>
        <translation>Créer des guides</translation>
    </message>
    <message id="8572">
        <source>Delete All Areas</source>
        <extracomment>undo.def StepDeleteAllAreas</extracomment>
        <translation>Supprimer toutes les zones</translation>
    </message>
    <message id="8700">
        <source>New Map Wizard</source>
        <extracomment>newmap.def NewMapWizardTitle</extracomment>
        <translation>Assistant de nouvelle carte</translation>
    </message>
    <message id="8701">
        <source>Create a new image map</source>
        <extracomment>newmap.def WizPageAA</extracomment>
        <translation>Créer une nouvelle carte cliquable</translation>
    </message>
    <message id="8702">
        <source>New map in existing HTML - Step 1</source>
        <extracomment>newmap.def WizPageAB</extracomment>
        <translation>Nouvelle carte dans un HTML existant – étape 1</translation>
    </message>
    <message id="8703">
        <source>New map in existing HTML - Step 2</source>
        <extracomment>newmap.def WizPageAC</extracomment>
        <translation>Nouvelle carte dans un HTML existant – étape 2</translation>
    </message>
    <message id="8704">
        <source>New map in existing HTML - Step 3</source>
        <extracomment>newmap.def WizPageAD</extracomment>
        <translation>Nouvelle carte dans un HTML existant – étape 3</translation>
    </message>
    <message id="8705">
        <source>Brand New HTML file - Step 1</source>
        <extracomment>newmap.def WizPageBB</extracomment>
        <translation>Nouveau fichier HTML – étape 1</translation>
    </message>
    <message id="8706">
        <source>Brand New HTML file - Step 2</source>
        <extracomment>newmap.def WizPageBC</extracomment>
        <translation>Nouveau fichier HTML – étape 2</translation>
    </message>
    <message id="8707">
        <source>Brand New HTML file - Step 3</source>
        <extracomment>newmap.def WizPageBD</extracomment>
        <translation>Nouveau fichier HTML – étape 3</translation>
    </message>
    <message id="8708">
        <source>Create the new image map in</source>
        <extracomment>newmap.def WizIntro</extracomment>
        <translation>Créer la nouvelle carte cliquable dans</translation>
    </message>
    <message id="8709">
        <source>... an &amp;existing HTML file</source>
        <extracomment>newmap.def WizChoiceExisting</extracomment>
        <translation>... un fichier HTML &amp;existant</translation>
    </message>
    <message id="8710">
        <source>... a brand-new &amp;HTML file</source>
        <extracomment>newmap.def WizChoiceNew</extracomment>
        <translation>... un nouveau fichier &amp;HTML</translation>
    </message>
    <message id="8711">
        <source>Currently selected HTML file has %s existing map%s and %s existing image%s.</source>
        <extracomment>newmap.def PageCountStatus</extracomment>
        <translation>Le fichier HTML choisi contient %s carte%s et %s image%s.</translation>
    </message>
    <message id="8712">
        <source>no</source>
        <extracomment>newmap.def CountNone</extracomment>
        <translation>0</translation>
    </message>
    <message id="8713">
        <source>s</source>
        <extracomment>newmap.def PluralEnding</extracomment>
        <translation>s</translation>
    </message>
    <message id="8714">
        <source>Choose the HTML file that is to hold the new map.</source>
        <extracomment>newmap.def ChoosePagePrompt</extracomment>
        <translation>Choisissez le fichier HTML qui accueillera la nouvelle carte.</translation>
    </message>
    <message id="8715">
        <source>Image Name</source>
        <extracomment>newmap.def ColumnImageName</extracomment>
        <translation>Nom de l’image</translation>
    </message>
    <message id="8716">
        <source>Map Name</source>
        <extracomment>newmap.def ColumnMapName</extracomment>
        <translation>Nom de la carte</translation>
    </message>
    <message id="8717">
        <source>Size</source>
        <extracomment>newmap.def ColumnSize</extracomment>
        <translation>Taille</translation>
    </message>
    <message id="8719">
        <source>Choose the image the map is for, or add a new image to the page.</source>
        <extracomment>newmap.def ChooseImagePrompt</extracomment>
        <translation>Choisissez l’image à laquelle la carte est destinée, ou ajoutez une nouvelle image à la page.</translation>
    </message>
    <message id="8720">
        <source>The image that you have selected already has a map attached to it.
Do you wish to overwrite this existing map?</source>
        <extracomment>newmap.def ImageHasMap</extracomment>
        <translation>L’image choisie possède déjà une carte.
Voulez-vous remplacer cette carte ?</translation>
    </message>
    <message id="8721">
        <source>Add Image...</source>
        <extracomment>newmap.def AddImageButton</extracomment>
        <translation>Ajouter une image...</translation>
    </message>
    <message id="8722">
        <source>HTML file:</source>
        <extracomment>newmap.def HtmlFileLabel</extracomment>
        <translation>Fichier HTML :</translation>
    </message>
    <message id="8723">
        <source>Image file:</source>
        <extracomment>newmap.def ImageFileLabel</extracomment>
        <translation>Fichier image :</translation>
    </message>
    <message id="8724">
        <source>Map name:</source>
        <extracomment>newmap.def MapNameLabel</extracomment>
        <translation>Nom de la carte :</translation>
    </message>
    <message id="8726">
        <source>The map name needs at least one character and may hold no spaces, double quotes (") or "#".</source>
        <extracomment>newmap.def MapNameRule</extracomment>
        <translation>Le nom de la carte doit compter au moins un caractère et ne peut contenir ni espaces, ni guillemets doubles ("), ni "#".</translation>
    </message>
    <message id="8727">
        <source>A map name cannot hold spaces, double quotes or "#".</source>
        <extracomment>newmap.def MapNameRefused</extracomment>
        <translation>Un nom de carte ne peut contenir ni espaces, ni guillemets droits, ni « # ».</translation>
    </message>
    <message id="8728">
        <source>The HTML file already holds a map named "%s".
Do you wish to replace that map?</source>
        <extracomment>newmap.def MapNameExists</extracomment>
        <translation>Le fichier HTML contient déjà une carte nommée « %s ».
Voulez-vous remplacer cette carte ?</translation>
    </message>
    <message id="8729">
        <source>HTML file name:</source>
        <extracomment>newmap.def PageFileNameLabel</extracomment>
        <translation>Nom du fichier HTML :</translation>
    </message>
    <message id="8730">
        <source>Choose the folder of the new HTML file and give it a name.</source>
        <extracomment>newmap.def NewPagePrompt</extracomment>
        <translation>Choisissez le dossier du nouveau fichier HTML et donnez-lui un nom.</translation>
    </message>
    <message id="8731">
        <source>%s
This file already exists. The new map will be added to it and the rest of the file kept.
Use this file?</source>
        <extracomment>newmap.def PageExists</extracomment>
        <translation>%s
Ce fichier existe déjà. La nouvelle carte y sera ajoutée et le reste du fichier conservé.
Utiliser ce fichier ?</translation>
    </message>
    <message id="8732">
        <source>Choose the image the new map is drawn on.</source>
        <extracomment>newmap.def ChoosePicturePrompt</extracomment>
        <translation>Choisissez l’image sur laquelle la nouvelle carte sera dessinée.</translation>
    </message>
    <message id="8733">
        <source>Save As New Map into Existing HTML file</source>
        <extracomment>newmap.def PlacementTitle</extracomment>
        <translation>Enregistrer comme nouvelle carte dans un fichier HTML existant</translation>
    </message>
    <message id="8734">
        <source>Replace existing map?</source>
        <extracomment>newmap.def ReplaceExistingMap</extracomment>
        <translation>Remplacer la carte existante ?</translation>
    </message>
    <message id="8735">
        <source>Add new image to HTML file</source>
        <extracomment>newmap.def AddImageTitle</extracomment>
        <translation>Ajouter une nouvelle image au fichier HTML</translation>
    </message>
    <message id="8736">
        <source>Add new image and map to existing HTML file</source>
        <extracomment>newmap.def AddImageAndMapTitle</extracomment>
        <translation>Ajouter une nouvelle image et sa carte au fichier HTML existant</translation>
    </message>
    <message id="8737">
        <source>Browse...</source>
        <extracomment>newmap.def BrowseButton</extracomment>
        <translation>Parcourir...</translation>
    </message>
    <message id="8738">
        <source>Insert at cursor</source>
        <extracomment>newmap.def InsertAtCursor</extracomment>
        <translation>Insérer au curseur</translation>
    </message>
    <message id="8739">
        <source>Place the cursor between two tags of the page body, where the new image is to go.</source>
        <extracomment>newmap.def InsertPointHint</extracomment>
        <translation>Placez le curseur entre deux balises du corps de la page, là où la nouvelle image doit aller.</translation>
    </message>
    <message id="8740">
        <source>Choose the image the map is for, or the map it replaces.</source>
        <extracomment>newmap.def PlacementPrompt</extracomment>
        <translation>Choisissez l’image à laquelle la carte est destinée, ou la carte qu’elle remplace.</translation>
    </message>
    <message id="8741">
        <source>Folders</source>
        <extracomment>newmap.def BrowserFolders</extracomment>
        <translation>Dossiers</translation>
    </message>
    <message id="8742">
        <source>Files</source>
        <extracomment>newmap.def BrowserFiles</extracomment>
        <translation>Fichiers</translation>
    </message>
    <message id="8780">
        <source>Image Wizard</source>
        <extracomment>imagewiz.def ImgWizCaption</extracomment>
        <translation>Assistant d’image</translation>
    </message>
    <message id="8781">
        <source>Image Wizard - Getting Started</source>
        <extracomment>imagewiz.def ImgWizStyleTitle</extracomment>
        <translation>Assistant d’image – Premiers pas</translation>
    </message>
    <message id="8782">
        <source>Image Wizard - Horizontal Navigation Bar</source>
        <extracomment>imagewiz.def ImgWizBarTitle</extracomment>
        <translation>Assistant d’image – Barre de navigation horizontale</translation>
    </message>
    <message id="8783">
        <source>Image Wizard - Vertical Product Menu</source>
        <extracomment>imagewiz.def ImgWizMenuTitle</extracomment>
        <translation>Assistant d’image – Menu de produits vertical</translation>
    </message>
    <message id="8784">
        <source>Image Wizard - Custom Grid</source>
        <extracomment>imagewiz.def ImgWizGridTitle</extracomment>
        <translation>Assistant d’image – Grille personnalisée</translation>
    </message>
    <message id="8785">
        <source>Image Wizard - Save the Image</source>
        <extracomment>imagewiz.def ImgWizSaveTitle</extracomment>
        <translation>Assistant d’image – Enregistrer l’image</translation>
    </message>
    <message id="8786">
        <source>Horizontal Navigation Bar</source>
        <extracomment>imagewiz.def ImgWizKindBar</extracomment>
        <translation>Barre de navigation horizontale</translation>
    </message>
    <message id="8787">
        <source>Vertical Product Menu</source>
        <extracomment>imagewiz.def ImgWizKindMenu</extracomment>
        <translation>Menu de produits vertical</translation>
    </message>
    <message id="8788">
        <source>Custom X-by-Y Grid</source>
        <extracomment>imagewiz.def ImgWizKindGrid</extracomment>
        <translation>Grille X × Y personnalisée</translation>
    </message>
    <message id="8789">
        <source>Button &amp;style:</source>
        <extracomment>imagewiz.def ImgWizStyleList</extracomment>
        <translation>&amp;Style des boutons :</translation>
    </message>
    <message id="8790">
        <source>Kind of picture:</source>
        <extracomment>imagewiz.def ImgWizKindGroup</extracomment>
        <translation>Type d’image :</translation>
    </message>
    <message id="8791">
        <source>&amp;Use other images...</source>
        <extracomment>imagewiz.def ImgWizOtherImages</extracomment>
        <translation>&amp;Utiliser d’autres images...</translation>
    </message>
    <message id="8792">
        <source>HTML Map Files (*.htm *.html)</source>
        <extracomment>imagewiz.def ImgWizLibraryFilter</extracomment>
        <translation>Fichiers de carte HTML (*.htm *.html)</translation>
    </message>
    <message id="8793">
        <source>Columns:</source>
        <extracomment>imagewiz.def ImgWizColumns</extracomment>
        <translation>Colonnes :</translation>
    </message>
    <message id="8794">
        <source>Rows:</source>
        <extracomment>imagewiz.def ImgWizRows</extracomment>
        <translation>Lignes :</translation>
    </message>
    <message id="8795">
        <source>&amp;Font...</source>
        <extracomment>imagewiz.def ImgWizFont</extracomment>
        <translation>&amp;Police...</translation>
    </message>
    <message id="8796">
        <source>&amp;Colors...</source>
        <extracomment>imagewiz.def ImgWizColors</extracomment>
        <translation>&amp;Couleurs...</translation>
    </message>
    <message id="8797">
        <source>S&amp;pacing...</source>
        <extracomment>imagewiz.def ImgWizSpacing</extracomment>
        <translation>&amp;Espacement...</translation>
    </message>
    <message id="8798">
        <source>Real-time Preview:</source>
        <extracomment>imagewiz.def ImgWizPreview</extracomment>
        <translation>Aperçu en direct :</translation>
    </message>
    <message id="8799">
        <source>The picture would be larger than %1 x %1 pixels. Use fewer or smaller buttons, a smaller font or less spacing.</source>
        <extracomment>imagewiz.def ImgWizTooLarge</extracomment>
        <translation>L’image dépasserait %1 × %1 pixels. Utilisez moins de boutons ou des boutons plus petits, une police plus petite ou moins d’espacement.</translation>
    </message>
    <message id="8800">
        <source>Colors for the Image</source>
        <extracomment>imagewiz.def ImgWizColorsTitle</extracomment>
        <translation>Couleurs de l’image</translation>
    </message>
    <message id="8801">
        <source>Text:</source>
        <extracomment>imagewiz.def ImgWizTextColor</extracomment>
        <translation>Texte :</translation>
    </message>
    <message id="8802">
        <source>Outline:</source>
        <extracomment>imagewiz.def ImgWizOutlineColor</extracomment>
        <translation>Contour :</translation>
    </message>
    <message id="8803">
        <source>Filler Color:</source>
        <extracomment>imagewiz.def ImgWizFillerColor</extracomment>
        <translation>Couleur de remplissage :</translation>
    </message>
    <message id="8805">
        <source>Image Spacing</source>
        <extracomment>imagewiz.def ImgWizSpacingTitle</extracomment>
        <translation>Espacement de l’image</translation>
    </message>
    <message id="8806">
        <source>Horizontal spacing:</source>
        <extracomment>imagewiz.def ImgWizSpacingH</extracomment>
        <translation>Espacement horizontal :</translation>
    </message>
    <message id="8807">
        <source>Vertical spacing:</source>
        <extracomment>imagewiz.def ImgWizSpacingV</extracomment>
        <translation>Espacement vertical :</translation>
    </message>
    <message id="8808">
        <source>Horizontal caption offset:</source>
        <extracomment>imagewiz.def ImgWizOffsetH</extracomment>
        <translation>Décalage horizontal du libellé :</translation>
    </message>
    <message id="8809">
        <source>Vertical caption offset:</source>
        <extracomment>imagewiz.def ImgWizOffsetV</extracomment>
        <translation>Décalage vertical du libellé :</translation>
    </message>
    <message id="8810">
        <source>File &amp;name:</source>
        <extracomment>imagewiz.def ImgWizFileName</extracomment>
        <translation>&amp;Nom du fichier :</translation>
    </message>
    <message id="8814">
        <source>Do you wish to overwrite the existing file?</source>
        <extracomment>imagewiz.def ImgWizOverwrite</extracomment>
        <translation>Voulez-vous remplacer le fichier existant ?</translation>
    </message>
    <message id="8815">
        <source>The picture could not be written to "%1". Choose another folder or name.</source>
        <extracomment>imagewiz.def ImgWizSaveFailed</extracomment>
        <translation>Impossible d’écrire l’image dans « %1 ». Choisissez un autre dossier ou un autre nom.</translation>
    </message>
    <message id="8816">
        <source>Read All About It!</source>
        <extracomment>imagewiz.def ImgWizHelpTitle</extracomment>
        <translation>Tout savoir !</translation>
    </message>
    <message id="8817">
        <source>Never show this helpful information again</source>
        <extracomment>imagewiz.def ImgWizHelpNever</extracomment>
        <translation>Ne plus jamais afficher ces informations</translation>
    </message>
    <message id="8818">
        <source>The button style library "%1" could not be read.</source>
        <extracomment>imagewiz.def ImgWizNoLibrary</extracomment>
        <translation>Impossible de lire la bibliothèque de styles de boutons « %1 ».</translation>
    </message>
    <message id="8819">
        <source>Format:</source>
        <extracomment>imagewiz.def ImgWizFormatGroup</extracomment>
        <translation>Format :</translation>
    </message>
    <message id="8820">
        <source>Button captions</source>
        <extracomment>imagewiz.def ImgWizCaptionGrid</extracomment>
        <translation>Légendes des boutons</translation>
    </message>
    <message id="9003">
        <source>Zoom to &amp;Fit</source>
        <extracomment>zoom.def ItemZoomToFit</extracomment>
        <translation>Ajuster à la fe&amp;nêtre</translation>
    </message>
    <message id="33000">
        <source>Show the whole picture as large as the window allows
Zoom to Fit</source>
        <extracomment>zoom.def CmdZoomToFit</extracomment>
        <translation>Affiche l'image entière aussi grande que la fenêtre le permet
Ajuster à la fenêtre</translation>
    </message>
    <message id="33001">
        <source>Show the picture at half its size
Zoom 1:2</source>
        <extracomment>zoom.def CmdZoomOut2</extracomment>
        <translation>Affiche l'image à la moitié de sa taille
Zoom 1:2</translation>
    </message>
    <message id="33002">
        <source>Show the picture at a third of its size
Zoom 1:3</source>
        <extracomment>zoom.def CmdZoomOut3</extracomment>
        <translation>Affiche l'image au tiers de sa taille
Zoom 1:3</translation>
    </message>
    <message id="33003">
        <source>Show the picture at a quarter of its size
Zoom 1:4</source>
        <extracomment>zoom.def CmdZoomOut4</extracomment>
        <translation>Affiche l'image au quart de sa taille
Zoom 1:4</translation>
    </message>
    <message id="33004">
        <source>Show the picture at a sixth of its size
Zoom 1:6</source>
        <extracomment>zoom.def CmdZoomOut6</extracomment>
        <translation>Affiche l'image au sixième de sa taille
Zoom 1:6</translation>
    </message>
    <message id="33005">
        <source>Show the picture at an eighth of its size
Zoom 1:8</source>
        <extracomment>zoom.def CmdZoomOut8</extracomment>
        <translation>Affiche l'image au huitième de sa taille
Zoom 1:8</translation>
    </message>
    <message id="33006">
        <source>Show the picture at a twelfth of its size
Zoom 1:12</source>
        <extracomment>zoom.def CmdZoomOut12</extracomment>
        <translation>Affiche l'image au douzième de sa taille
Zoom 1:12</translation>
    </message>
    <message id="33007">
        <source>Show the picture at a sixteenth of its size
Zoom 1:16</source>
        <extracomment>zoom.def CmdZoomOut16</extracomment>
        <translation>Affiche l'image au seizième de sa taille
Zoom 1:16</translation>
    </message>
    <message id="33008">
        <source>Show the picture twelve times as large
Zoom 12:1</source>
        <extracomment>zoom.def CmdZoom12</extracomment>
        <translation>Affiche l'image douze fois plus grande
Zoom 12:1</translation>
    </message>
    <message id="33009">
        <source>Show the picture sixteen times as large
Zoom 16:1</source>
        <extracomment>zoom.def CmdZoom16</extracomment>
        <translation>Affiche l'image seize fois plus grande
Zoom 16:1</translation>
    </message>
    <message id="9600">
        <source>&amp;Language:</source>
        <extracomment>lang.def PrefsLanguage</extracomment>
        <translation>&amp;Langue :</translation>
    </message>
    <message id="9601">
        <source>System default</source>
        <extracomment>lang.def PrefsLanguageSystem</extracomment>
        <translation>Langue du système</translation>
    </message>
    <message id="9602">
        <source>A new language is used from the next start of Tessary.</source>
        <extracomment>lang.def PrefsLanguageNextStart</extracomment>
        <translation>Une nouvelle langue s’applique au prochain lancement de Tessary.</translation>
    </message>
    <message id="9603">
        <source>Appeara&amp;nce:</source>
        <extracomment>lang.def PrefsAppearance</extracomment>
        <translation>Appa&amp;rence :</translation>
    </message>
    <message id="9604">
        <source>System</source>
        <extracomment>lang.def PrefsAppearanceSystem</extracomment>
        <translation>Système</translation>
    </message>
    <message id="9605">
        <source>Light</source>
        <extracomment>lang.def PrefsAppearanceLight</extracomment>
        <translation>Claire</translation>
    </message>
    <message id="9606">
        <source>Dark</source>
        <extracomment>lang.def PrefsAppearanceDark</extracomment>
        <translation>Sombre</translation>
    </message>
    <message id="9500">
        <source>Click inside a shape to trace its outline; Shift+click adds a region</source>
        <extracomment>trace.def PromptTrace</extracomment>
        <translation>Cliquez dans une forme pour en suivre le contour ; Maj+clic ajoute une région</translation>
    </message>
    <message id="9501">
        <source>Tracing...</source>
        <extracomment>trace.def TraceWorking</extracomment>
        <translation>Détection du contour...</translation>
    </message>
    <message id="9502">
        <source>Traced outline: %d points, %lld pixels; Enter accepts, Esc discards</source>
        <extracomment>trace.def TraceProposal</extracomment>
        <translation>Contour : %d points, %lld pixels ; Entrée valide, Échap annule</translation>
    </message>
    <message id="9503">
        <source>There is no picture to trace</source>
        <extracomment>trace.def TraceRefusedNoPicture</extracomment>
        <translation>Il n'y a pas d'image dont suivre les contours</translation>
    </message>
    <message id="9504">
        <source>Click on the picture to trace a shape</source>
        <extracomment>trace.def TraceRefusedOutside</extracomment>
        <translation>Cliquez sur l'image pour suivre le contour d'une forme</translation>
    </message>
    <message id="9505">
        <source>The region is the whole picture: click inside a shape or lower the tolerance</source>
        <extracomment>trace.def TraceRefusedWhole</extracomment>
        <translation>La région couvre toute l'image : cliquez dans une forme ou réduisez la tolérance</translation>
    </message>
    <message id="9506">
        <source>The added region does not touch the outline: Shift+click next to it</source>
        <extracomment>trace.def TraceRefusedDisjoint</extracomment>
        <translation>La région ajoutée ne touche pas le contour : faites Maj+clic juste à côté</translation>
    </message>
    <message id="9507">
        <source>The outline needs %d points, more than the %d an area may have: raise the precision or lower the tolerance</source>
        <extracomment>trace.def TraceRefusedVertices</extracomment>
        <translation>Le contour demande %d points, plus que les %d permis pour une zone : augmentez la précision ou réduisez la tolérance</translation>
    </message>
    <message id="33060">
        <source>Trace an area along a shape in the picture: click inside the shape
Trace</source>
        <extracomment>trace.def CmdTraceTool</extracomment>
        <translation>Détourer une zone le long d'une forme de l'image : cliquez dans la forme
Détourer</translation>
    </message>
    <message id="9508">
        <source>Trace Area</source>
        <extracomment>trace.def StepTraceArea</extracomment>
        <translation>Détourer une zone</translation>
    </message>
    <message id="9509">
        <source>There is not enough memory to trace a picture this large</source>
        <extracomment>trace.def TraceOutOfMemory</extracomment>
        <translation>La mémoire ne suffit pas pour détourer une image aussi grande</translation>
    </message>
    <message id="9510">
        <source>&amp;Trace</source>
        <extracomment>trace.def ItemTrace</extracomment>
        <translation>Dé&amp;tourer</translation>
    </message>
    <message id="9511">
        <source>Tolerance</source>
        <extracomment>trace.def TraceToleranceLabel</extracomment>
        <translation>Tolérance</translation>
    </message>
    <message id="9512">
        <source>How far a pixel's colour may differ from the clicked pixel's and still belong to the shape (0 to 255)</source>
        <extracomment>trace.def TraceToleranceTip</extracomment>
        <translation>Écart permis entre la couleur d'un pixel et celle du pixel cliqué pour qu'il appartienne encore à la forme (0 à 255)</translation>
    </message>
    <message id="9513">
        <source>Precision</source>
        <extracomment>trace.def TracePrecisionLabel</extracomment>
        <translation>Précision</translation>
    </message>
    <message id="9514">
        <source>How far the outline may stray from the shape's edge, in picture pixels (0.5 to 10)</source>
        <extracomment>trace.def TracePrecisionTip</extracomment>
        <translation>Écart permis entre le contour et le bord de la forme, en pixels de l'image (0,5 à 10)</translation>
    </message>
    <message id="9102">
        <source>&amp;Highlight areas on hover and focus</source>
        <extracomment>web.def MapHighlightAreas</extracomment>
        <translation>&amp;Mettre en évidence les zones au survol et au focus</translation>
    </message>
    <message id="9103">
        <source>&amp;Export</source>
        <extracomment>web.def MenuExport</extracomment>
        <translation>E&amp;xporter</translation>
    </message>
    <message id="9104">
        <source>&amp;SVG Overlay...</source>
        <extracomment>web.def ItemSvgOverlay</extracomment>
        <translation>Superposition &amp;SVG...</translation>
    </message>
    <message id="9105">
        <source>SVG files (*.svg)</source>
        <extracomment>web.def SvgOverlayFilter</extracomment>
        <translation>Fichiers SVG (*.svg)</translation>
    </message>
    <message id="9106">
        <source>The SVG overlay could not be written to %s.</source>
        <extracomment>web.def SvgOverlayWriteFailed</extracomment>
        <translation>La superposition SVG n'a pas pu être écrite dans %s.</translation>
    </message>
    <message id="9107">
        <source>The SVG overlay needs the map's picture: its size sets the overlay's coordinates.</source>
        <extracomment>web.def SvgOverlayNeedsPicture</extracomment>
        <translation>La superposition SVG a besoin de l'image de la carte : sa taille fixe les coordonnées de la superposition.</translation>
    </message>
    <message id="33020">
        <source>Write the map as a standalone SVG overlay of its picture
Export SVG Overlay</source>
        <extracomment>web.def CmdExportSvgOverlay</extracomment>
        <translation>Enregistre la carte comme superposition SVG autonome de son image
Exporter la superposition SVG</translation>
    </message>
    <message id="9200">
        <source>The file is not a recovery copy of Tessary.</source>
        <extracomment>recovery.def RecoveryNotACopy</extracomment>
        <translation>Ce fichier n'est pas une copie de récupération de Tessary.</translation>
    </message>
    <message id="9201">
        <source>The copy was written by another version of Tessary (copy version %d).</source>
        <extracomment>recovery.def RecoveryOtherVersion</extracomment>
        <translation>La copie a été écrite par une autre version de Tessary (version de copie %d).</translation>
    </message>
    <message id="9202">
        <source>The copy is incomplete: it ends before its map does.</source>
        <extracomment>recovery.def RecoveryTruncated</extracomment>
        <translation>La copie est incomplète : elle s'arrête avant la fin de sa carte.</translation>
    </message>
    <message id="9203">
        <source>The copy is damaged: its description of the map is not readable.</source>
        <extracomment>recovery.def RecoveryBadHeader</extracomment>
        <translation>La copie est endommagée : la description de la carte est illisible.</translation>
    </message>
    <message id="9204">
        <source>The copy is larger than any map Tessary writes.</source>
        <extracomment>recovery.def RecoveryTooLarge</extracomment>
        <translation>La copie est plus grande que toute carte écrite par Tessary.</translation>
    </message>
    <message id="9205">
        <source>The copy is damaged: it does not hold exactly one whole map.</source>
        <extracomment>recovery.def RecoveryNoMap</extracomment>
        <translation>La copie est endommagée : elle ne contient pas exactement une carte complète.</translation>
    </message>
    <message id="9210">
        <source>Recover Maps</source>
        <extracomment>recovery.def RecoverMapsTitle</extracomment>
        <translation>Récupérer les cartes</translation>
    </message>
    <message id="9211">
        <source>Tessary ended before these maps were saved. Recovery copies of them were kept:</source>
        <extracomment>recovery.def RecoverMapsLead</extracomment>
        <translation>Tessary s'est arrêté avant l'enregistrement de ces cartes. Des copies de récupération ont été conservées :</translation>
    </message>
    <message id="9212">
        <source>Map</source>
        <extracomment>recovery.def RecoverColumnMap</extracomment>
        <translation>Carte</translation>
    </message>
    <message id="9213">
        <source>Page</source>
        <extracomment>recovery.def RecoverColumnPage</extracomment>
        <translation>Page</translation>
    </message>
    <message id="9214">
        <source>Picture</source>
        <extracomment>recovery.def RecoverColumnPicture</extracomment>
        <translation>Image</translation>
    </message>
    <message id="9215">
        <source>Areas</source>
        <extracomment>recovery.def RecoverColumnAreas</extracomment>
        <translation>Zones</translation>
    </message>
    <message id="9216">
        <source>Copy made</source>
        <extracomment>recovery.def RecoverColumnTime</extracomment>
        <translation>Copie faite le</translation>
    </message>
    <message id="9217">
        <source>New map</source>
        <extracomment>recovery.def RecoverNewMap</extracomment>
        <translation>Nouvelle carte</translation>
    </message>
    <message id="9218">
        <source>cannot be recovered: %s</source>
        <extracomment>recovery.def RecoverCannot</extracomment>
        <translation>irrécupérable : %s</translation>
    </message>
    <message id="9219">
        <source>&amp;Recover</source>
        <extracomment>recovery.def RecoverButton</extracomment>
        <translation>&amp;Récupérer</translation>
    </message>
    <message id="9220">
        <source>&amp;Delete</source>
        <extracomment>recovery.def RecoverDeleteButton</extracomment>
        <translation>&amp;Supprimer</translation>
    </message>
    <message id="9221">
        <source>&amp;Later</source>
        <extracomment>recovery.def RecoverLaterButton</extracomment>
        <translation>&amp;Plus tard</translation>
    </message>
    <message id="9222">
        <source>(untitled)</source>
        <extracomment>recovery.def RecoverUntitled</extracomment>
        <translation>(sans titre)</translation>
    </message>
    <message id="9230">
        <source>The page %s has changed since the recovery copy of its map was made. Saving the recovered map will ask before it saves into that page.</source>
        <extracomment>recovery.def RecoveredPageChanged</extracomment>
        <translation>La page %s a changé depuis la copie de récupération de sa carte. L'enregistrement de la carte récupérée demandera confirmation avant d'écrire dans cette page.</translation>
    </message>
    <message id="9231">
        <source>The page %s has changed since the recovery copy of this map was made. Save the recovered map into it anyway?

Yes saves into the page, No lets you choose another file.</source>
        <extracomment>recovery.def RecoveredSaveIntoChanged</extracomment>
        <translation>La page %s a changé depuis la copie de récupération de cette carte. Enregistrer quand même la carte récupérée dans cette page ?

Oui enregistre dans la page, Non vous laisse choisir un autre fichier.</translation>
    </message>
    <message id="9232">
        <source>The map %s could not be recovered: its picture did not load. The recovery copy is kept.</source>
        <extracomment>recovery.def RecoveredPictureMissing</extracomment>
        <translation>La carte %s n'a pas pu être récupérée : son image ne s'est pas chargée. La copie de récupération est conservée.</translation>
    </message>
    <message id="9240">
        <source>Save recovery &amp;copies of changed maps</source>
        <extracomment>recovery.def PrefsSaveRecoveryCopies</extracomment>
        <translation>Enregistrer des &amp;copies de récupération des cartes modifiées</translation>
    </message>
    <message id="9241">
        <source>at least every</source>
        <extracomment>recovery.def PrefsRecoveryInterval</extracomment>
        <translation>au moins toutes les</translation>
    </message>
    <message id="9242">
        <source> seconds while changes go on</source>
        <extracomment>recovery.def PrefsRecoverySeconds</extracomment>
        <translation> secondes tant que les modifications continuent</translation>
    </message>
    <message id="33080">
        <source>Select every area of the map
Select All</source>
        <extracomment>arrange.def CmdSelectAll</extracomment>
        <translation>Sélectionner toutes les zones de la carte
Tout sélectionner</translation>
    </message>
    <message id="33081">
        <source>Move the selected areas so that their left edges line up with the first one selected
Align Left</source>
        <extracomment>arrange.def CmdAlignLeft</extracomment>
        <translation>Déplacer les zones sélectionnées pour aligner leurs bords gauches sur la première sélectionnée
Aligner à gauche</translation>
    </message>
    <message id="33082">
        <source>Move the selected areas so that their right edges line up with the first one selected
Align Right</source>
        <extracomment>arrange.def CmdAlignRight</extracomment>
        <translation>Déplacer les zones sélectionnées pour aligner leurs bords droits sur la première sélectionnée
Aligner à droite</translation>
    </message>
    <message id="33083">
        <source>Move the selected areas so that their top edges line up with the first one selected
Align Top</source>
        <extracomment>arrange.def CmdAlignTop</extracomment>
        <translation>Déplacer les zones sélectionnées pour aligner leurs bords supérieurs sur la première sélectionnée
Aligner en haut</translation>
    </message>
    <message id="33084">
        <source>Move the selected areas so that their bottom edges line up with the first one selected
Align Bottom</source>
        <extracomment>arrange.def CmdAlignBottom</extracomment>
        <translation>Déplacer les zones sélectionnées pour aligner leurs bords inférieurs sur la première sélectionnée
Aligner en bas</translation>
    </message>
    <message id="33085">
        <source>Move the selected areas so that their centres lie on one vertical line with the first one selected's
Align Horizontal Centres</source>
        <extracomment>arrange.def CmdAlignHorizontalCentres</extracomment>
        <translation>Déplacer les zones sélectionnées pour placer leurs centres sur une même ligne verticale que celui de la première sélectionnée
Aligner les centres horizontalement</translation>
    </message>
    <message id="33086">
        <source>Move the selected areas so that their centres lie on one horizontal line with the first one selected's
Align Vertical Centres</source>
        <extracomment>arrange.def CmdAlignVerticalCentres</extracomment>
        <translation>Déplacer les zones sélectionnées pour placer leurs centres sur une même ligne horizontale que celui de la première sélectionnée
Aligner les centres verticalement</translation>
    </message>
    <message id="33087">
        <source>Space three or more selected areas evenly between the leftmost and the rightmost
Distribute Horizontally</source>
        <extracomment>arrange.def CmdDistributeHorizontally</extracomment>
        <translation>Espacer régulièrement trois zones sélectionnées ou plus entre celle de gauche et celle de droite
Répartir horizontalement</translation>
    </message>
    <message id="33088">
        <source>Space three or more selected areas evenly between the top one and the bottom one
Distribute Vertically</source>
        <extracomment>arrange.def CmdDistributeVertically</extracomment>
        <translation>Espacer régulièrement trois zones sélectionnées ou plus entre celle du haut et celle du bas
Répartir verticalement</translation>
    </message>
    <message id="33089">
        <source>Give the selected areas the width of the first one selected
Make Same Width</source>
        <extracomment>arrange.def CmdSameWidth</extracomment>
        <translation>Donner aux zones sélectionnées la largeur de la première sélectionnée
Même largeur</translation>
    </message>
    <message id="33090">
        <source>Give the selected areas the height of the first one selected
Make Same Height</source>
        <extracomment>arrange.def CmdSameHeight</extracomment>
        <translation>Donner aux zones sélectionnées la hauteur de la première sélectionnée
Même hauteur</translation>
    </message>
    <message id="33091">
        <source>Give the selected areas the size of the first one selected
Make Same Size</source>
        <extracomment>arrange.def CmdSameSize</extracomment>
        <translation>Donner aux zones sélectionnées la taille de la première sélectionnée
Même taille</translation>
    </message>
    <message id="9800">
        <source>Se&amp;lect All</source>
        <extracomment>arrange.def ItemSelectAll</extracomment>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message id="9801">
        <source>Arran&amp;ge</source>
        <extracomment>arrange.def MenuArrange</extracomment>
        <translation>&amp;Organiser</translation>
    </message>
    <message id="9802">
        <source>Align &amp;Left</source>
        <extracomment>arrange.def ItemAlignLeft</extracomment>
        <translation>Aligner à &amp;gauche</translation>
    </message>
    <message id="9803">
        <source>Align &amp;Right</source>
        <extracomment>arrange.def ItemAlignRight</extracomment>
        <translation>Aligner à &amp;droite</translation>
    </message>
    <message id="9804">
        <source>Align &amp;Top</source>
        <extracomment>arrange.def ItemAlignTop</extracomment>
        <translation>Aligner en &amp;haut</translation>
    </message>
    <message id="9805">
        <source>Align &amp;Bottom</source>
        <extracomment>arrange.def ItemAlignBottom</extracomment>
        <translation>Aligner en &amp;bas</translation>
    </message>
    <message id="9806">
        <source>Align &amp;Horizontal Centres</source>
        <extracomment>arrange.def ItemAlignHorizontalCentres</extracomment>
        <translation>Aligner les &amp;centres horizontalement</translation>
    </message>
    <message id="9807">
        <source>Align &amp;Vertical Centres</source>
        <extracomment>arrange.def ItemAlignVerticalCentres</extracomment>
        <translation>Aligner les centres &amp;verticalement</translation>
    </message>
    <message id="9808">
        <source>&amp;Distribute Horizontally</source>
        <extracomment>arrange.def ItemDistributeHorizontally</extracomment>
        <translation>&amp;Répartir horizontalement</translation>
    </message>
    <message id="9809">
        <source>Distribute Verticall&amp;y</source>
        <extracomment>arrange.def ItemDistributeVertically</extracomment>
        <translation>Répartir ver&amp;ticalement</translation>
    </message>
    <message id="9810">
        <source>Make Same &amp;Width</source>
        <extracomment>arrange.def ItemSameWidth</extracomment>
        <translation>Même &amp;largeur</translation>
    </message>
    <message id="9811">
        <source>Make Same H&amp;eight</source>
        <extracomment>arrange.def ItemSameHeight</extracomment>
        <translation>Même ha&amp;uteur</translation>
    </message>
    <message id="9812">
        <source>Make Same &amp;Size</source>
        <extracomment>arrange.def ItemSameSize</extracomment>
        <translation>Même ta&amp;ille</translation>
    </message>
    <message id="9820">
        <source>Move %d Areas</source>
        <extracomment>arrange.def StepMoveAreas</extracomment>
        <translation>Déplacer %d zones</translation>
    </message>
    <message id="9821">
        <source>Delete %d Areas</source>
        <extracomment>arrange.def StepDeleteAreas</extracomment>
        <translation>Supprimer %d zones</translation>
    </message>
    <message id="9822">
        <source>Cut %d Areas</source>
        <extracomment>arrange.def StepCutAreas</extracomment>
        <translation>Couper %d zones</translation>
    </message>
    <message id="9823">
        <source>Paste %d Areas</source>
        <extracomment>arrange.def StepPasteAreas</extracomment>
        <translation>Coller %d zones</translation>
    </message>
    <message id="9824">
        <source>Bring %d Areas to Front</source>
        <extracomment>arrange.def StepBringAreasToFront</extracomment>
        <translation>Mettre %d zones au premier plan</translation>
    </message>
    <message id="9825">
        <source>Send %d Areas to Back</source>
        <extracomment>arrange.def StepSendAreasToBack</extracomment>
        <translation>Mettre %d zones à l'arrière-plan</translation>
    </message>
    <message id="9826">
        <source>Settings of %d Areas</source>
        <extracomment>arrange.def StepAreasSettings</extracomment>
        <translation>Paramètres de %d zones</translation>
    </message>
    <message id="9850">
        <source>Settings of %d Areas</source>
        <extracomment>arrange.def AreasSettingsCaption</extracomment>
        <translation>Paramètres de %d zones</translation>
    </message>
    <message id="9851">
        <source>Several values</source>
        <extracomment>arrange.def SeveralValues</extracomment>
        <translation>Valeurs différentes</translation>
    </message>
    <message id="9852">
        <source>The %d copied areas do not fit: the map has room for %d more (a map holds %d areas).
Nothing was pasted.</source>
        <extracomment>arrange.def PasteTooMany</extracomment>
        <translation>Les %d zones copiées ne tiennent pas : la carte a encore de la place pour %d (une carte contient %d zones).
Rien n'a été collé.</translation>
    </message>
</context>
</TS>
