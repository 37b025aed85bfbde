<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>Strings</name>
    <message id="133">
        <source>GIF Files (*.gif)</source>
        <extracomment>raster.def ImageTemplateGif</extracomment>
        <translation>Archivos GIF (*.gif)</translation>
    </message>
    <message id="134">
        <source>JPG Files (*.jpg,*.jpeg)</source>
        <extracomment>raster.def ImageTemplateJpg</extracomment>
        <translation>Archivos JPG (*.jpg,*.jpeg)</translation>
    </message>
    <message id="135">
        <source>PNG Files (*.png)</source>
        <extracomment>raster.def ImageTemplatePng</extracomment>
        <translation>Archivos PNG (*.png)</translation>
    </message>
    <message id="136">
        <source>All Image Files (*.gif,*.jpg,*.jpeg,*.png)</source>
        <extracomment>raster.def ImageTemplateAll</extracomment>
        <translation>Todas las imágenes (*.gif,*.jpg,*.jpeg,*.png)</translation>
    </message>
    <message id="8200">
        <source>All Files (*.*)</source>
        <extracomment>raster.def AllFilesFilter</extracomment>
        <translation>Todos los archivos (*.*)</translation>
    </message>
    <message id="8201">
        <source>Missing Image</source>
        <extracomment>raster.def MissingImageTitle</extracomment>
        <translation>Falta la imagen</translation>
    </message>
    <message id="8202">
        <source>Tessary is unable to locate the image file "%s" that goes with this map. You will have to manually locate it.</source>
        <extracomment>raster.def MissingImageText</extracomment>
        <translation>Tessary no encuentra el archivo de imagen «%s» de este mapa. Tendrá que buscarlo usted.</translation>
    </message>
    <message id="8203">
        <source>Loading Image</source>
        <extracomment>raster.def LoadingImageTitle</extracomment>
        <translation>Cargando la imagen</translation>
    </message>
    <message id="8204">
        <source>%d by %d, %d colors</source>
        <extracomment>raster.def LoadingSizeLine</extracomment>
        <translation>%d × %d, %d colores</translation>
    </message>
    <message id="8205">
        <source>%s format, %d bytes long</source>
        <extracomment>raster.def LoadingFormatLine</extracomment>
        <translation>Formato %s, %d bytes</translation>
    </message>
    <message id="8209">
        <source>Unknown</source>
        <extracomment>raster.def FormatNameUnknown</extracomment>
        <translation>Desconocido</translation>
    </message>
    <message id="8210">
        <source>Unable to open image file: </source>
        <extracomment>raster.def ImageErrorLead</extracomment>
        <translation>No se puede abrir el archivo de imagen: </translation>
    </message>
    <message id="8211">
        <source>unable to locate file.</source>
        <extracomment>raster.def ImageErrorNotFound</extracomment>
        <translation>no se encuentra el archivo.</translation>
    </message>
    <message id="8212">
        <source>filename is empty.</source>
        <extracomment>raster.def ImageErrorEmptyName</extracomment>
        <translation>el nombre de archivo está vacío.</translation>
    </message>
    <message id="8213">
        <source>data format bad.</source>
        <extracomment>raster.def ImageErrorFormat</extracomment>
        <translation>formato de datos incorrecto.</translation>
    </message>
    <message id="8214">
        <source> Press OK to abort loading.</source>
        <extracomment>raster.def ImageErrorTail</extracomment>
        <translation> Pulse Aceptar para cancelar la carga.</translation>
    </message>
    <message id="8215">
        <source>Tessary looked for the map's picture where the map says, in the map's folder and in the current folder, and did not find it. Choose OK to find the picture yourself: the map then uses the picture you choose. Choose Cancel to stop opening the map.</source>
        <extracomment>raster.def MissingImageHelp</extracomment>
        <translation>Tessary ha buscado la imagen del mapa donde indica el mapa, en la carpeta del mapa y en la carpeta actual, y no la ha encontrado. Elija Aceptar para buscar la imagen usted: el mapa usará entonces la imagen que elija. Elija Cancelar para no abrir el mapa.</translation>
    </message>
    <message id="8216">
        <source>the file cannot be read (%s).</source>
        <extracomment>raster.def ImageErrorUnreadable</extracomment>
        <translation>el archivo no se puede leer (%s).</translation>
    </message>
    <message id="8217">
        <source>The picture "%s" cannot be used. Choose OK to choose another picture, or Cancel to stop opening the map.</source>
        <extracomment>raster.def ImageChooseAnother</extracomment>
        <translation>La imagen «%s» no se puede usar. Elija Aceptar para elegir otra imagen, o Cancelar para no abrir el mapa.</translation>
    </message>
    <message id="7062">
        <source>Unable to load the map file. This could be because the file in question is not a image map file, the file is damaged, or the file is in use.</source>
        <extracomment>model.def MapLoadFailed</extracomment>
        <translation>No se puede cargar el archivo del mapa. Puede que el archivo no sea un mapa de imagen, que esté dañado o que esté en uso.</translation>
    </message>
    <message id="8000">
        <source>Unable to locate the file "%s"</source>
        <extracomment>model.def CannotLocateFile</extracomment>
        <translation>No se encuentra el archivo «%s»</translation>
    </message>
    <message id="8001">
        <source>&lt;untitled&gt;</source>
        <extracomment>model.def UntitledMap</extracomment>
        <translation>&lt;sin título&gt;</translation>
    </message>
    <message id="8002">
        <source>&lt;untitled.htm&gt;</source>
        <extracomment>model.def UntitledPage</extracomment>
        <translation>&lt;sin-titulo.htm&gt;</translation>
    </message>
    <message id="8006">
        <source>Sorry, but Tessary supports up to 100,000 areas per map. You will have to delete ALL of your existing areas in order to put the guides in. Do so?</source>
        <extracomment>model.def GuidesExceedLimit</extracomment>
        <translation>Lo sentimos, Tessary admite como máximo 100 000 áreas por mapa. Para crear las guías tendrá que eliminar TODAS las áreas existentes. ¿Eliminarlas?</translation>
    </message>
    <message id="8007">
        <source>%d out of %d areas need to be clipped. Go ahead and clip them?
If you don't, you will have trouble accessing those areas.</source>
        <extracomment>model.def ClipAreasQuestion</extracomment>
        <translation>Hay que recortar %d de %d áreas. ¿Recortarlas ahora?
Si no lo hace, le costará llegar a esas áreas.</translation>
    </message>
    <message id="8015">
        <source>%d out of %d areas needs to be clipped. Go ahead and clip it?
If you don't, you will have trouble accessing that area.</source>
        <extracomment>model.def ClipAreaQuestionOne</extracomment>
        <translation>Hay que recortar %d de %d áreas. ¿Recortarla ahora?
Si no lo hace, le costará llegar a esa área.</translation>
    </message>
    <message id="8016">
        <source>%d out of %d area needs to be clipped. Go ahead and clip it?
If you don't, you will have trouble accessing that area.</source>
        <extracomment>model.def ClipOnlyAreaQuestion</extracomment>
        <translation>Hay que recortar %d de %d área. ¿Recortarla ahora?
Si no lo hace, le costará llegar a esa área.</translation>
    </message>
    <message id="8008">
        <source>Do you really want to save without a default URL?</source>
        <extracomment>model.def SaveWithoutDefaultUrl</extracomment>
        <translation>¿Seguro que quiere guardar sin una URL predeterminada?</translation>
    </message>
    <message id="8009">
        <source>You have some areas that do not have URLs. You will need to add them in before you can save this map.</source>
        <extracomment>model.def AreasMissingUrls</extracomment>
        <translation>Algunas áreas no tienen URL. Tendrá que añadirlas antes de guardar este mapa.</translation>
    </message>
    <message id="8010">
        <source>Saving a Client Side Image Map file into a non-HTML file is not allowed!</source>
        <extracomment>model.def SaveNonHtmlRefused</extracomment>
        <translation>¡No se puede guardar un mapa de imagen del lado del cliente en un archivo que no sea HTML!</translation>
    </message>
    <message id="8011">
        <source>The file "%s%s" was saved into the directory "%s%s". For your convenience, the image file "%s%s" was also copied from its orignal directory.</source>
        <extracomment>model.def SavedWithImageCopy</extracomment>
        <translation>El archivo «%s%s» se ha guardado en la carpeta «%s%s». Para su comodidad, también se ha copiado allí el archivo de imagen «%s%s» desde su carpeta original.</translation>
    </message>
    <message id="8012">
        <source>The file "%s%s" was saved into the directory "%s%s". The image "%s%s" also exists in this directory.</source>
        <extracomment>model.def SavedBesideImage</extracomment>
        <translation>El archivo «%s%s» se ha guardado en la carpeta «%s%s». La imagen «%s%s» también está en esta carpeta.</translation>
    </message>
    <message id="8152">
        <source>%d,%d to %d,%d (%d areas)</source>
        <extracomment>checks.def GuideBounds</extracomment>
        <translation>%d,%d a %d,%d (%d áreas)</translation>
    </message>
    <message id="8154">
        <source>%d,%d to %d,%d (%d area)</source>
        <extracomment>checks.def GuideBoundsOne</extracomment>
        <translation>%d,%d a %d,%d (%d área)</translation>
    </message>
    <message id="32832">
        <source>List the areas that visitors with screen readers, small screens or broken links would stumble over
Check Map</source>
        <extracomment>checks.def CmdCheckMap</extracomment>
        <translation>Listar las áreas con las que tropezarían los visitantes con lectores de pantalla, pantallas pequeñas o enlaces rotos
Comprobar el mapa</translation>
    </message>
    <message id="8362">
        <source>&amp;Check Map...</source>
        <extracomment>checks.def ItemCheckMap</extracomment>
        <translation>C&amp;omprobar el mapa...</translation>
    </message>
    <message id="8130">
        <source>No ALT text: screen readers announce nothing useful for this area.</source>
        <extracomment>checks.def FindingMissingAlt</extracomment>
        <translation>Sin texto ALT: los lectores de pantalla no anuncian nada útil para esta área.</translation>
    </message>
    <message id="8131">
        <source>The ALT text "%s" only repeats the URL; say where the area leads instead.</source>
        <extracomment>checks.def FindingAltIsUrl</extracomment>
        <translation>El texto ALT «%s» solo repite la URL; indique mejor adónde lleva el área.</translation>
    </message>
    <message id="8132">
        <source>The ALT text "%s" is also that of area %d, which leads elsewhere.</source>
        <extracomment>checks.def FindingDuplicateAlt</extracomment>
        <translation>El texto ALT «%s» es también el del área %d, que lleva a otro sitio.</translation>
    </message>
    <message id="8133">
        <source>Shown %s x %s CSS pixels: smaller than the 24 x 24 a target needs.</source>
        <extracomment>checks.def FindingSmallTarget</extracomment>
        <translation>Se muestra con %s × %s píxeles CSS: menos de los 24 × 24 que necesita un objetivo.</translation>
    </message>
    <message id="8134">
        <source>A javascript: URL leads nowhere without scripts.</source>
        <extracomment>checks.def FindingJavascriptUrl</extracomment>
        <translation>Una URL javascript: no lleva a ninguna parte sin scripts.</translation>
    </message>
    <message id="8135">
        <source>The linked file "%s" does not exist beside the page.</source>
        <extracomment>checks.def FindingBrokenLink</extracomment>
        <translation>El archivo enlazado «%s» no existe junto a la página.</translation>
    </message>
    <message id="8136">
        <source>The map name "%s" holds white space, which HTML forbids.</source>
        <extracomment>checks.def FindingMapNameSpace</extracomment>
        <translation>El nombre de mapa «%s» contiene espacios, algo que HTML prohíbe.</translation>
    </message>
    <message id="8145">
        <source>Not clickable: browsers give this area no shape (too few numbers, no radius or no width). It is kept as written.</source>
        <extracomment>checks.def FindingNotClickable</extracomment>
        <translation>No se puede pulsar: los navegadores no dan forma a esta área (muy pocos números, sin radio o sin anchura). Se conserva tal como está escrita.</translation>
    </message>
    <message id="8146">
        <source>Area %d is not clickable: browsers give it no shape. It is kept as written.</source>
        <extracomment>checks.def AreaNotClickableTip</extracomment>
        <translation>El área %d no se puede pulsar: los navegadores no le dan forma. Se conserva tal como está escrita.</translation>
    </message>
    <message id="8137">
        <source>Check Map</source>
        <extracomment>checks.def CheckMapTitle</extracomment>
        <translation>Comprobar el mapa</translation>
    </message>
    <message id="8138">
        <source>Area</source>
        <extracomment>checks.def CheckMapArea</extracomment>
        <translation>Área</translation>
    </message>
    <message id="8139">
        <source>Code</source>
        <extracomment>checks.def CheckMapCode</extracomment>
        <translation>Código</translation>
    </message>
    <message id="8140">
        <source>Finding</source>
        <extracomment>checks.def CheckMapMessage</extracomment>
        <translation>Hallazgo</translation>
    </message>
    <message id="8141">
        <source>Map</source>
        <extracomment>checks.def CheckMapWholeMap</extracomment>
        <translation>Mapa</translation>
    </message>
    <message id="8142">
        <source>Double-click a finding to select its area.</source>
        <extracomment>checks.def CheckMapHint</extracomment>
        <translation>Haga doble clic en un hallazgo para seleccionar su área.</translation>
    </message>
    <message id="8143">
        <source>&amp;Close</source>
        <extracomment>checks.def CheckMapClose</extracomment>
        <translation>&amp;Cerrar</translation>
    </message>
    <message id="8144">
        <source>Check Map found nothing to report.</source>
        <extracomment>checks.def CheckMapClean</extracomment>
        <translation>La comprobación no ha encontrado nada que señalar.</translation>
    </message>
    <message id="7054">
        <source>!! Unknown !!</source>
        <extracomment>view.def AreaKindUnknown</extracomment>
        <translation>¡¡ Desconocido !!</translation>
    </message>
    <message id="8510">
        <source>Area Settings</source>
        <extracomment>view.def AreaSettingsTitle</extracomment>
        <translation>Propiedades del área</translation>
    </message>
    <message id="8511">
        <source>Area #%d Settings</source>
        <extracomment>view.def AreaSettingsCaption</extracomment>
        <translation>Propiedades del área n.º %d</translation>
    </message>
    <message id="8512">
        <source>Type:</source>
        <extracomment>view.def AreaTypeLabel</extracomment>
        <translation>Tipo:</translation>
    </message>
    <message id="8513">
        <source>Position:</source>
        <extracomment>view.def AreaPositionLabel</extracomment>
        <translation>Posición:</translation>
    </message>
    <message id="8514">
        <source>Size:</source>
        <extracomment>view.def AreaDimensionsLabel</extracomment>
        <translation>Tamaño:</translation>
    </message>
    <message id="8516">
        <source>w=%d, h=%d</source>
        <extracomment>view.def AreaRectDimensions</extracomment>
        <translation>an=%d, al=%d</translation>
    </message>
    <message id="8517">
        <source>rX=%d, rY=%d</source>
        <extracomment>view.def AreaCircleDimensions</extracomment>
        <translation>rX=%d, rY=%d</translation>
    </message>
    <message id="8518">
        <source>points=%d</source>
        <extracomment>view.def AreaPolygonDimensions</extracomment>
        <translation>puntos=%d</translation>
    </message>
    <message id="8519">
        <source>URL to activate when this area is clicked: (required)</source>
        <extracomment>view.def AreaUrlLabel</extracomment>
        <translation>URL que se abre al hacer clic en esta área: (obligatoria)</translation>
    </message>
    <message id="8520">
        <source>Target frame name/ID: (optional)</source>
        <extracomment>view.def AreaTargetLabel</extracomment>
        <translation>Nombre/ID del marco de destino: (opcional)</translation>
    </message>
    <message id="8521">
        <source>Internal comment about this area: (optional)</source>
        <extracomment>view.def AreaCommentLabel</extracomment>
        <translation>Comentario interno sobre esta área: (opcional)</translation>
    </message>
    <message id="8522">
        <source>D&amp;elete</source>
        <extracomment>view.def AreaDeleteButton</extracomment>
        <translation>E&amp;liminar</translation>
    </message>
    <message id="8523">
        <source>Title (tooltip):</source>
        <extracomment>view.def AreaTitleLabel</extracomment>
        <translation>Título (información sobre herramientas):</translation>
    </message>
    <message id="7053">
        <source>Client Side Image Maps (CSIMs) require a title!</source>
        <extracomment>view.def MapTitleRequired</extracomment>
        <translation>¡Los mapas de imagen del lado del cliente necesitan un título!</translation>
    </message>
    <message id="8530">
        <source>Settings for this Mapfile</source>
        <extracomment>view.def MapSettingsTitle</extracomment>
        <translation>Ajustes de este archivo de mapa</translation>
    </message>
    <message id="8531">
        <source>Filename:</source>
        <extracomment>view.def MapFilenameLabel</extracomment>
        <translation>Nombre de archivo:</translation>
    </message>
    <message id="8532">
        <source>Image name:</source>
        <extracomment>view.def MapImageNameLabel</extracomment>
        <translation>Nombre de la imagen:</translation>
    </message>
    <message id="8533">
        <source>&amp;Title:</source>
        <extracomment>view.def MapTitleLabel</extracomment>
        <translation>&amp;Título:</translation>
    </message>
    <message id="8534">
        <source>(Required)</source>
        <extracomment>view.def MapRequiredNote</extracomment>
        <translation>(Obligatorio)</translation>
    </message>
    <message id="8535">
        <source>&amp;Author:</source>
        <extracomment>view.def MapAuthorLabel</extracomment>
        <translation>&amp;Autor:</translation>
    </message>
    <message id="8536">
        <source>&amp;Default URL:</source>
        <extracomment>view.def MapDefaultUrlLabel</extracomment>
        <translation>URL pre&amp;determinada:</translation>
    </message>
    <message id="8537">
        <source>(Suggested)</source>
        <extracomment>view.def MapSuggestedNote</extracomment>
        <translation>(Recomendado)</translation>
    </message>
    <message id="8538">
        <source>D&amp;escription:</source>
        <extracomment>view.def MapDescriptionLabel</extracomment>
        <translation>D&amp;escripción:</translation>
    </message>
    <message id="8539">
        <source>&amp;Scale the map with the picture</source>
        <extracomment>view.def MapScalesWithPicture</extracomment>
        <translation>E&amp;scalar el mapa con la imagen</translation>
    </message>
    <message id="7055">
        <source>Drag to opposite corner; release button to end</source>
        <extracomment>tools.def PromptDrawFrame</extracomment>
        <translation>Arrastre hasta la esquina opuesta; suelte el botón para terminar</translation>
    </message>
    <message id="7058">
        <source>Move to new point; click to plot; double-click to end</source>
        <extracomment>tools.def PromptDrawPolygon</extracomment>
        <translation>Vaya al punto siguiente; haga clic para fijarlo; doble clic para terminar</translation>
    </message>
    <message id="7059">
        <source>Drag to new location; release button to end</source>
        <extracomment>tools.def PromptMoveArea</extracomment>
        <translation>Arrastre hasta la nueva posición; suelte el botón para terminar</translation>
    </message>
    <message id="7060">
        <source>Drag to new size; release button to end</source>
        <extracomment>tools.def PromptResizeArea</extracomment>
        <translation>Arrastre hasta el nuevo tamaño; suelte el botón para terminar</translation>
    </message>
    <message id="7061">
        <source>Shift held: the rectangle stays square; release button to end</source>
        <extracomment>tools.def PromptShiftSquare</extracomment>
        <translation>Mayús pulsada: el rectángulo sigue cuadrado; suelte el botón para terminar</translation>
    </message>
    <message id="7063">
        <source>Shift held: no effect on this drag; release button to end</source>
        <extracomment>tools.def PromptShiftHeld</extracomment>
        <translation>Mayús pulsada: no afecta a este arrastre; suelte el botón para terminar</translation>
    </message>
    <message id="8581">
        <source>Rectangle</source>
        <extracomment>tools.def TipRectangle</extracomment>
        <translation>Rectángulo</translation>
    </message>
    <message id="8582">
        <source>Circle</source>
        <extracomment>tools.def TipCircle</extracomment>
        <translation>Círculo</translation>
    </message>
    <message id="8583">
        <source>Polygon</source>
        <extracomment>tools.def TipPolygon</extracomment>
        <translation>Polígono</translation>
    </message>
    <message id="8100">
        <source>The file %s is not a writable file.</source>
        <extracomment>save.def NotWritableFile</extracomment>
        <translation>No se puede escribir en el archivo %s.</translation>
    </message>
    <message id="8101">
        <source>Attempting to DELETE the target file gave error %d
</source>
        <extracomment>save.def DeleteTargetFailed</extracomment>
        <translation>Al ELIMINAR el archivo de destino se produjo el error %d
</translation>
    </message>
    <message id="8102">
        <source>Attempting to CREATE the target file gave error %d
</source>
        <extracomment>save.def CreateTargetFailed</extracomment>
        <translation>Al CREAR el archivo de destino se produjo el error %d
</translation>
    </message>
    <message id="8103">
        <source>Attempting to WRITE to target file gave error %d
</source>
        <extracomment>save.def WriteTargetFailed</extracomment>
        <translation>Al ESCRIBIR en el archivo de destino se produjo el error %d
</translation>
    </message>
    <message id="8104">
        <source>Unable to read the file "%s". It was left as it was.</source>
        <extracomment>save.def PageUnreadable</extracomment>
        <translation>No se puede leer el archivo «%s». Se ha dejado como estaba.</translation>
    </message>
    <message id="8050">
        <source>The page holds no complete MAP element.</source>
        <extracomment>pages.def LoadNoMap</extracomment>
        <translation>La página no contiene ningún elemento MAP completo.</translation>
    </message>
    <message id="8051">
        <source>The MAP element that begins on line %d is never closed.</source>
        <extracomment>pages.def LoadUnclosedMap</extracomment>
        <translation>El elemento MAP que empieza en la línea %d no se cierra nunca.</translation>
    </message>
    <message id="8052">
        <source>The page holds a NUL byte on line %d, and it is read only up to there.</source>
        <extracomment>pages.def LoadNulByte</extracomment>
        <translation>La página contiene un byte NUL en la línea %d y solo se lee hasta ahí.</translation>
    </message>
    <message id="8053">
        <source>The MAP element on line %d lies inside a comment, script or style, which is not part of the page.</source>
        <extracomment>pages.def LoadMapHidden</extracomment>
        <translation>El elemento MAP de la línea %d está dentro de un comentario, script o estilo, que no forman parte de la página.</translation>
    </message>
    <message id="8054">
        <source>This map cannot be held whole, so it opens read-only. Not read: %s.</source>
        <extracomment>pages.def LossOpensReadOnly</extracomment>
        <translation>Este mapa no se puede conservar entero, así que se abre como solo lectura. No leído: %s.</translation>
    </message>
    <message id="8055">
        <source>%d areas beyond the 100,000 a map holds</source>
        <extracomment>pages.def LossAreasBeyond</extracomment>
        <translation>%d áreas más allá de las 100 000 que admite un mapa</translation>
    </message>
    <message id="8056">
        <source>%d polygons of more than 100,000 points</source>
        <extracomment>pages.def LossLongPolygons</extracomment>
        <translation>%d polígonos de más de 100 000 puntos</translation>
    </message>
    <message id="8057">
        <source>%d areas of an unknown shape (%s)</source>
        <extracomment>pages.def LossUnknownShapes</extracomment>
        <translation>%d áreas de forma desconocida (%s)</translation>
    </message>
    <message id="8058">
        <source>This map was not read whole from "%s"; saving it back into that page would delete what was not read. Save it into another page.</source>
        <extracomment>pages.def LossSaveRefused</extracomment>
        <translation>Este mapa no se leyó entero de «%s»; guardarlo de nuevo en esa página borraría lo que no se leyó. Guárdelo en otra página.</translation>
    </message>
    <message id="8060">
        <source>%d attributes beyond the 64 an area or map keeps</source>
        <extracomment>pages.def LossAttributesBeyond</extracomment>
        <translation>%d atributos más allá de los 64 que conserva un área o un mapa</translation>
    </message>
    <message id="8061">
        <source>%d area beyond the 100,000 a map holds</source>
        <extracomment>pages.def LossAreaBeyond</extracomment>
        <translation>%d área más allá de las 100 000 que admite un mapa</translation>
    </message>
    <message id="8062">
        <source>%d polygon of more than 100,000 points</source>
        <extracomment>pages.def LossLongPolygon</extracomment>
        <translation>%d polígono de más de 100 000 puntos</translation>
    </message>
    <message id="8063">
        <source>%d area of an unknown shape (%s)</source>
        <extracomment>pages.def LossUnknownShape</extracomment>
        <translation>%d área de forma desconocida (%s)</translation>
    </message>
    <message id="8064">
        <source>%d attribute beyond the 64 an area or map keeps</source>
        <extracomment>pages.def LossAttributeBeyond</extracomment>
        <translation>%d atributo más allá de los 64 que conserva un área o un mapa</translation>
    </message>
    <message id="129">
        <source>HTML Files (*.htm,*.html)</source>
        <extracomment>app.def MapTemplateHtml</extracomment>
        <translation>Archivos HTML (*.htm,*.html)</translation>
    </message>
    <message id="130">
        <source>ImageMap Files (*.map)</source>
        <extracomment>app.def MapTemplateMap</extracomment>
        <translation>Archivos ImageMap (*.map)</translation>
    </message>
    <message id="131">
        <source>All File Types (*.map,*.imp,*.htm,*.html)</source>
        <extracomment>app.def MapTemplateAll</extracomment>
        <translation>Todos los tipos (*.map,*.imp,*.htm,*.html)</translation>
    </message>
    <message id="7069">
        <source>Unknown command line switch. Run with /? for switches.</source>
        <extracomment>app.def UnknownSwitch</extracomment>
        <translation>Opción de línea de órdenes desconocida. Ejecute con /? para ver las opciones.</translation>
    </message>
    <message id="224">
        <source>Change the editor's settings
Preferences</source>
        <extracomment>app.def CmdPreferences</extracomment>
        <translation>Cambiar los ajustes del editor
Preferencias</translation>
    </message>
    <message id="400">
        <source>Show the welcome dialog
Welcome</source>
        <extracomment>app.def CmdWelcome</extracomment>
        <translation>Mostrar el diálogo de bienvenida
Bienvenida</translation>
    </message>
    <message id="32773">
        <source>Edit the URL, frame target and comment of the selected area
Edit Area Info</source>
        <extracomment>app.def CmdEditAreaInfo</extracomment>
        <translation>Editar la URL, el marco de destino y el comentario del área seleccionada
Editar info del área</translation>
    </message>
    <message id="32774">
        <source>Draw rectangular areas
Rectangle</source>
        <extracomment>app.def CmdRectangleTool</extracomment>
        <translation>Dibujar áreas rectangulares
Rectángulo</translation>
    </message>
    <message id="32775">
        <source>Draw circular areas
Circle</source>
        <extracomment>app.def CmdCircleTool</extracomment>
        <translation>Dibujar áreas circulares
Círculo</translation>
    </message>
    <message id="32776">
        <source>Edit the title, description, author and default URL of the map
Edit Map Info</source>
        <extracomment>app.def CmdEditMapInfo</extracomment>
        <translation>Editar el título, la descripción, el autor y la URL predeterminada del mapa
Editar info del mapa</translation>
    </message>
    <message id="32777">
        <source>Change the spacing and look of the Snap-To Grid
Grid Settings</source>
        <extracomment>app.def CmdGridSettings</extracomment>
        <translation>Cambiar el espaciado y el aspecto de la cuadrícula magnética
Ajustes de la cuadrícula</translation>
    </message>
    <message id="32778">
        <source>Turn on/off the Snap-To Grid
Grid</source>
        <extracomment>app.def CmdGrid</extracomment>
        <translation>Activar o desactivar la cuadrícula magnética
Cuadrícula</translation>
    </message>
    <message id="32779">
        <source>Cover the picture with a grid of areas
Create Guides</source>
        <extracomment>app.def CmdCreateGuides</extracomment>
        <translation>Cubrir la imagen con una cuadrícula de áreas
Crear guías</translation>
    </message>
    <message id="32780">
        <source>Draw polygonal areas
Polygon</source>
        <extracomment>app.def CmdPolygonTool</extracomment>
        <translation>Dibujar áreas poligonales
Polígono</translation>
    </message>
    <message id="32781">
        <source>Delete this point of the polygon
Delete Point</source>
        <extracomment>app.def CmdDeletePoint</extracomment>
        <translation>Eliminar este punto del polígono
Eliminar punto</translation>
    </message>
    <message id="32782">
        <source>Insert a point into this edge of the polygon
Insert Point</source>
        <extracomment>app.def CmdInsertPoint</extracomment>
        <translation>Insertar un punto en este lado del polígono
Insertar punto</translation>
    </message>
    <message id="32785">
        <source>Select, move and reshape areas
Arrow</source>
        <extracomment>app.def CmdArrowTool</extracomment>
        <translation>Seleccionar, mover y remodelar áreas
Flecha</translation>
    </message>
    <message id="32786">
        <source>Try the map as a visitor would use it
Test Map</source>
        <extracomment>app.def CmdTestMap</extracomment>
        <translation>Probar el mapa como lo usaría un visitante
Probar el mapa</translation>
    </message>
    <message id="32787">
        <source>Show or hide the list of areas
Area List</source>
        <extracomment>app.def CmdAreaList</extracomment>
        <translation>Mostrar u ocultar la lista de áreas
Lista de áreas</translation>
    </message>
    <message id="32788">
        <source>Delete the selected area
Delete</source>
        <extracomment>app.def CmdDelete</extracomment>
        <translation>Eliminar el área seleccionada
Eliminar</translation>
    </message>
    <message id="32801">
        <source>Use another picture for this map
Change Image</source>
        <extracomment>app.def CmdChangeImage</extracomment>
        <translation>Usar otra imagen para este mapa
Cambiar la imagen</translation>
    </message>
    <message id="32802">
        <source>Zoom in one step
Zoom In</source>
        <extracomment>app.def CmdZoomIn</extracomment>
        <translation>Acercar un paso
Acercar</translation>
    </message>
    <message id="32803">
        <source>Zoom out one step
Zoom Out</source>
        <extracomment>app.def CmdZoomOut</extracomment>
        <translation>Alejar un paso
Alejar</translation>
    </message>
    <message id="32804">
        <source>Show the picture at its own size
Zoom 1:1</source>
        <extracomment>app.def CmdZoom1</extracomment>
        <translation>Mostrar la imagen a su tamaño real
Zoom 1:1</translation>
    </message>
    <message id="32805">
        <source>Show the picture twice as large
Zoom 2:1</source>
        <extracomment>app.def CmdZoom2</extracomment>
        <translation>Mostrar la imagen al doble de tamaño
Zoom 2:1</translation>
    </message>
    <message id="32806">
        <source>Show the picture three times as large
Zoom 3:1</source>
        <extracomment>app.def CmdZoom3</extracomment>
        <translation>Mostrar la imagen al triple de tamaño
Zoom 3:1</translation>
    </message>
    <message id="32807">
        <source>Show the picture four times as large
Zoom 4:1</source>
        <extracomment>app.def CmdZoom4</extracomment>
        <translation>Mostrar la imagen cuatro veces más grande
Zoom 4:1</translation>
    </message>
    <message id="32808">
        <source>Show the picture five times as large
Zoom 5:1</source>
        <extracomment>app.def CmdZoom5</extracomment>
        <translation>Mostrar la imagen cinco veces más grande
Zoom 5:1</translation>
    </message>
    <message id="32809">
        <source>Show the picture six times as large
Zoom 6:1</source>
        <extracomment>app.def CmdZoom6</extracomment>
        <translation>Mostrar la imagen seis veces más grande
Zoom 6:1</translation>
    </message>
    <message id="32810">
        <source>Show the picture seven times as large
Zoom 7:1</source>
        <extracomment>app.def CmdZoom7</extracomment>
        <translation>Mostrar la imagen siete veces más grande
Zoom 7:1</translation>
    </message>
    <message id="32811">
        <source>Show the picture eight times as large
Zoom 8:1</source>
        <extracomment>app.def CmdZoom8</extracomment>
        <translation>Mostrar la imagen ocho veces más grande
Zoom 8:1</translation>
    </message>
    <message id="32825">
        <source>Keep the Tessary window above all other windows
Keep Visible</source>
        <extracomment>app.def CmdKeepVisible</extracomment>
        <translation>Mantener la ventana de Tessary por encima de las demás
Siempre visible</translation>
    </message>
    <message id="32827">
        <source>Make the selected area the first of the map
Bring to front</source>
        <extracomment>app.def CmdMoveToFront</extracomment>
        <translation>Hacer que el área seleccionada sea la primera del mapa
Traer al frente</translation>
    </message>
    <message id="32828">
        <source>Make the selected area the last of the map
Send to back</source>
        <extracomment>app.def CmdSendToBack</extracomment>
        <translation>Hacer que el área seleccionada sea la última del mapa
Enviar al fondo</translation>
    </message>
    <message id="32829">
        <source>Create a new button picture and map it with the Image wizard
Create New Image</source>
        <extracomment>app.def CmdCreateNewImage</extracomment>
        <translation>Crear una imagen de botones nueva y mapearla con el asistente de imágenes
Crear imagen nueva</translation>
    </message>
    <message id="57600">
        <source>Create a new image map with the New Map wizard
New Image Map</source>
        <extracomment>app.def CmdNewImageMap</extracomment>
        <translation>Crear un mapa de imagen nuevo con el asistente de mapas
Nuevo mapa de imagen</translation>
    </message>
    <message id="57601">
        <source>Open an existing image map
Open</source>
        <extracomment>app.def CmdOpen</extracomment>
        <translation>Abrir un mapa de imagen existente
Abrir</translation>
    </message>
    <message id="57602">
        <source>Close the active map
Close</source>
        <extracomment>app.def CmdClose</extracomment>
        <translation>Cerrar el mapa activo
Cerrar</translation>
    </message>
    <message id="57603">
        <source>Save the active map
Save</source>
        <extracomment>app.def CmdSave</extracomment>
        <translation>Guardar el mapa activo
Guardar</translation>
    </message>
    <message id="57604">
        <source>Save the active map under a new name
Save As</source>
        <extracomment>app.def CmdSaveAs</extracomment>
        <translation>Guardar el mapa activo con otro nombre
Guardar como</translation>
    </message>
    <message id="57607">
        <source>Print the active map
Print</source>
        <extracomment>app.def CmdPrint</extracomment>
        <translation>Imprimir el mapa activo
Imprimir</translation>
    </message>
    <message id="57616">
        <source>Open this map
Recent File</source>
        <extracomment>app.def CmdRecentFile</extracomment>
        <translation>Abrir este mapa
Archivo reciente</translation>
    </message>
    <message id="57634">
        <source>Copy the selected area to the clipboard
Copy</source>
        <extracomment>app.def CmdCopy</extracomment>
        <translation>Copiar el área seleccionada al portapapeles
Copiar</translation>
    </message>
    <message id="57635">
        <source>Cut the selected area to the clipboard
Cut</source>
        <extracomment>app.def CmdCut</extracomment>
        <translation>Cortar el área seleccionada al portapapeles
Cortar</translation>
    </message>
    <message id="57637">
        <source>Paste an area from the clipboard
Paste</source>
        <extracomment>app.def CmdPaste</extracomment>
        <translation>Pegar un área del portapapeles
Pegar</translation>
    </message>
    <message id="57643">
        <source>Undo the last action
Undo</source>
        <extracomment>app.def CmdUndo</extracomment>
        <translation>Deshacer la última acción
Deshacer</translation>
    </message>
    <message id="57649">
        <source>Arrange the icons of minimized map windows
Arrange Icons</source>
        <extracomment>app.def CmdArrange</extracomment>
        <translation>Organizar los iconos de las ventanas de mapa minimizadas
Organizar iconos</translation>
    </message>
    <message id="57650">
        <source>Arrange the map windows so that they overlap
Cascade</source>
        <extracomment>app.def CmdCascade</extracomment>
        <translation>Colocar las ventanas de mapa superpuestas
Cascada</translation>
    </message>
    <message id="57651">
        <source>Arrange the map windows side by side
Tile</source>
        <extracomment>app.def CmdTile</extracomment>
        <translation>Colocar las ventanas de mapa una junto a otra
Mosaico</translation>
    </message>
    <message id="57664">
        <source>Show the program's version
About</source>
        <extracomment>app.def CmdAbout</extracomment>
        <translation>Mostrar la versión del programa
Acerca de</translation>
    </message>
    <message id="57665">
        <source>Quit Tessary; changed maps can be saved first
Exit</source>
        <extracomment>app.def CmdExit</extracomment>
        <translation>Salir de Tessary; antes se pueden guardar los mapas modificados
Salir</translation>
    </message>
    <message id="57666">
        <source>List the help topics
Help Contents</source>
        <extracomment>app.def CmdHelpContents</extracomment>
        <translation>Listar los temas de ayuda
Contenido de la ayuda</translation>
    </message>
    <message id="57670">
        <source>Show help on the current task
Help</source>
        <extracomment>app.def CmdHelp</extracomment>
        <translation>Mostrar ayuda sobre la tarea actual
Ayuda</translation>
    </message>
    <message id="57680">
        <source>Move to the next pane of the map window
Next Pane</source>
        <extracomment>app.def CmdNextPane</extracomment>
        <translation>Pasar al panel siguiente de la ventana del mapa
Panel siguiente</translation>
    </message>
    <message id="57681">
        <source>Move to the previous pane of the map window
Previous Pane</source>
        <extracomment>app.def CmdPreviousPane</extracomment>
        <translation>Pasar al panel anterior de la ventana del mapa
Panel anterior</translation>
    </message>
    <message id="59392">
        <source>Show or hide the toolbar
Toolbar</source>
        <extracomment>app.def CmdViewToolbar</extracomment>
        <translation>Mostrar u ocultar la barra de herramientas
Barra de herramientas</translation>
    </message>
    <message id="59393">
        <source>Show or hide the status bar
Status Bar</source>
        <extracomment>app.def CmdViewStatusBar</extracomment>
        <translation>Mostrar u ocultar la barra de estado
Barra de estado</translation>
    </message>
    <message id="8300">
        <source>&amp;File</source>
        <extracomment>app.def MenuFile</extracomment>
        <translation>&amp;Archivo</translation>
    </message>
    <message id="8301">
        <source>&amp;Edit</source>
        <extracomment>app.def MenuEdit</extracomment>
        <translation>&amp;Editar</translation>
    </message>
    <message id="8302">
        <source>&amp;View</source>
        <extracomment>app.def MenuView</extracomment>
        <translation>&amp;Ver</translation>
    </message>
    <message id="8303">
        <source>&amp;Mapping</source>
        <extracomment>app.def MenuMapping</extracomment>
        <translation>&amp;Mapa</translation>
    </message>
    <message id="8304">
        <source>&amp;Goodies</source>
        <extracomment>app.def MenuGoodies</extracomment>
        <translation>&amp;Herramientas</translation>
    </message>
    <message id="8305">
        <source>&amp;Window</source>
        <extracomment>app.def MenuWindow</extracomment>
        <translation>Ve&amp;ntana</translation>
    </message>
    <message id="8306">
        <source>&amp;Help</source>
        <extracomment>app.def MenuHelp</extracomment>
        <translation>Ay&amp;uda</translation>
    </message>
    <message id="8307">
        <source>&amp;Zoom To</source>
        <extracomment>app.def MenuZoomTo</extracomment>
        <translation>&amp;Zoom</translation>
    </message>
    <message id="8310">
        <source>&amp;New Image Map...</source>
        <extracomment>app.def ItemNewImageMap</extracomment>
        <translation>&amp;Nuevo mapa de imagen...</translation>
    </message>
    <message id="8311">
        <source>C&amp;reate New Image...</source>
        <extracomment>app.def ItemCreateNewImage</extracomment>
        <translation>C&amp;rear imagen nueva...</translation>
    </message>
    <message id="8312">
        <source>&amp;Open...</source>
        <extracomment>app.def ItemOpen</extracomment>
        <translation>&amp;Abrir...</translation>
    </message>
    <message id="8313">
        <source>&amp;Close</source>
        <extracomment>app.def ItemClose</extracomment>
        <translation>&amp;Cerrar</translation>
    </message>
    <message id="8314">
        <source>&amp;Save</source>
        <extracomment>app.def ItemSave</extracomment>
        <translation>&amp;Guardar</translation>
    </message>
    <message id="8315">
        <source>Save &amp;As...</source>
        <extracomment>app.def ItemSaveAs</extracomment>
        <translation>G&amp;uardar como...</translation>
    </message>
    <message id="8316">
        <source>C&amp;hange Image to File...</source>
        <extracomment>app.def ItemChangeImage</extracomment>
        <translation>Cambiar la &amp;imagen...</translation>
    </message>
    <message id="8317">
        <source>&amp;Preferences...</source>
        <extracomment>app.def ItemPreferences</extracomment>
        <translation>&amp;Preferencias...</translation>
    </message>
    <message id="8318">
        <source>E&amp;xit</source>
        <extracomment>app.def ItemExit</extracomment>
        <translation>&amp;Salir</translation>
    </message>
    <message id="8319">
        <source>&amp;Print...</source>
        <extracomment>app.def ItemPrint</extracomment>
        <translation>Im&amp;primir...</translation>
    </message>
    <message id="8320">
        <source>&amp;Undo</source>
        <extracomment>app.def ItemUndo</extracomment>
        <translation>&amp;Deshacer</translation>
    </message>
    <message id="8321">
        <source>Cu&amp;t</source>
        <extracomment>app.def ItemCut</extracomment>
        <translation>Cor&amp;tar</translation>
    </message>
    <message id="8322">
        <source>&amp;Copy</source>
        <extracomment>app.def ItemCopy</extracomment>
        <translation>&amp;Copiar</translation>
    </message>
    <message id="8323">
        <source>&amp;Paste</source>
        <extracomment>app.def ItemPaste</extracomment>
        <translation>P&amp;egar</translation>
    </message>
    <message id="8324">
        <source>&amp;Delete</source>
        <extracomment>app.def ItemDelete</extracomment>
        <translation>E&amp;liminar</translation>
    </message>
    <message id="8325">
        <source>Edit &amp;Area Info...</source>
        <extracomment>app.def ItemEditAreaInfo</extracomment>
        <translation>Editar &amp;info del área...</translation>
    </message>
    <message id="8326">
        <source>&amp;Toolbar</source>
        <extracomment>app.def ItemViewToolbar</extracomment>
        <translation>Barra de &amp;herramientas</translation>
    </message>
    <message id="8327">
        <source>&amp;Status Bar</source>
        <extracomment>app.def ItemViewStatusBar</extracomment>
        <translation>Barra de &amp;estado</translation>
    </message>
    <message id="8328">
        <source>&amp;Area List</source>
        <extracomment>app.def ItemAreaList</extracomment>
        <translation>&amp;Lista de áreas</translation>
    </message>
    <message id="8329">
        <source>Zoom &amp;In</source>
        <extracomment>app.def ItemZoomIn</extracomment>
        <translation>&amp;Acercar</translation>
    </message>
    <message id="8330">
        <source>Zoom &amp;Out</source>
        <extracomment>app.def ItemZoomOut</extracomment>
        <translation>Ale&amp;jar</translation>
    </message>
    <message id="8332">
        <source>&amp;Rectangle</source>
        <extracomment>app.def ItemRectangle</extracomment>
        <translation>&amp;Rectángulo</translation>
    </message>
    <message id="8333">
        <source>&amp;Circle</source>
        <extracomment>app.def ItemCircle</extracomment>
        <translation>&amp;Círculo</translation>
    </message>
    <message id="8334">
        <source>&amp;Polygon</source>
        <extracomment>app.def ItemPolygon</extracomment>
        <translation>&amp;Polígono</translation>
    </message>
    <message id="8335">
        <source>&amp;Arrow</source>
        <extracomment>app.def ItemArrow</extracomment>
        <translation>&amp;Flecha</translation>
    </message>
    <message id="8336">
        <source>Edit &amp;Map Info...</source>
        <extracomment>app.def ItemEditMapInfo</extracomment>
        <translation>Editar &amp;info del mapa...</translation>
    </message>
    <message id="8337">
        <source>&amp;Grid</source>
        <extracomment>app.def ItemGrid</extracomment>
        <translation>Cua&amp;drícula</translation>
    </message>
    <message id="8338">
        <source>Grid &amp;Settings...</source>
        <extracomment>app.def ItemGridSettings</extracomment>
        <translation>Aj&amp;ustes de la cuadrícula...</translation>
    </message>
    <message id="8339">
        <source>Create G&amp;uides...</source>
        <extracomment>app.def ItemCreateGuides</extracomment>
        <translation>Crear &amp;guías...</translation>
    </message>
    <message id="8340">
        <source>&amp;Test Map...</source>
        <extracomment>app.def ItemTestMap</extracomment>
        <translation>&amp;Probar el mapa...</translation>
    </message>
    <message id="8341">
        <source>&amp;Cascade</source>
        <extracomment>app.def ItemCascade</extracomment>
        <translation>&amp;Cascada</translation>
    </message>
    <message id="8342">
        <source>&amp;Tile</source>
        <extracomment>app.def ItemTile</extracomment>
        <translation>&amp;Mosaico</translation>
    </message>
    <message id="8343">
        <source>&amp;Arrange Icons</source>
        <extracomment>app.def ItemArrange</extracomment>
        <translation>&amp;Organizar iconos</translation>
    </message>
    <message id="8344">
        <source>&amp;Contents</source>
        <extracomment>app.def ItemHelpContents</extracomment>
        <translation>&amp;Contenido</translation>
    </message>
    <message id="8345">
        <source>&amp;About Tessary...</source>
        <extracomment>app.def ItemAbout</extracomment>
        <translation>&amp;Acerca de Tessary...</translation>
    </message>
    <message id="8346">
        <source>&amp;Help</source>
        <extracomment>app.def ItemHelp</extracomment>
        <translation>Ay&amp;uda</translation>
    </message>
    <message id="8347">
        <source>&amp;Keep Visible</source>
        <extracomment>app.def ItemKeepVisible</extracomment>
        <translation>&amp;Siempre visible</translation>
    </message>
    <message id="8348">
        <source>Bring to &amp;Front</source>
        <extracomment>app.def ItemMoveToFront</extracomment>
        <translation>Traer al &amp;frente</translation>
    </message>
    <message id="8349">
        <source>Send to &amp;Back</source>
        <extracomment>app.def ItemSendToBack</extracomment>
        <translation>Enviar al fon&amp;do</translation>
    </message>
    <message id="8350">
        <source>&amp;Delete Point</source>
        <extracomment>app.def ItemDeletePoint</extracomment>
        <translation>Eliminar el &amp;punto</translation>
    </message>
    <message id="8351">
        <source>&amp;Insert Point</source>
        <extracomment>app.def ItemInsertPoint</extracomment>
        <translation>I&amp;nsertar punto</translation>
    </message>
    <message id="8352">
        <source>Ne&amp;xt Pane</source>
        <extracomment>app.def ItemNextPane</extracomment>
        <translation>Panel si&amp;guiente</translation>
    </message>
    <message id="8353">
        <source>Pre&amp;vious Pane</source>
        <extracomment>app.def ItemPreviousPane</extracomment>
        <translation>Panel a&amp;nterior</translation>
    </message>
    <message id="8354">
        <source>&amp;Welcome...</source>
        <extracomment>app.def ItemWelcome</extracomment>
        <translation>&amp;Bienvenida...</translation>
    </message>
    <message id="8357">
        <source>Toolbar</source>
        <extracomment>app.def ToolbarMain</extracomment>
        <translation>Barra de herramientas</translation>
    </message>
    <message id="8358">
        <source>Map</source>
        <extracomment>app.def ToolbarMap</extracomment>
        <translation>Mapa</translation>
    </message>
    <message id="8372">
        <source>Ready</source>
        <extracomment>app.def IdleMessage</extracomment>
        <translation>Listo</translation>
    </message>
    <message id="8373">
        <source>Area %d is obscured</source>
        <extracomment>app.def AreaObscuredTip</extracomment>
        <translation>El área %d está tapada</translation>
    </message>
    <message id="8374">
        <source>Area %d missing URL</source>
        <extracomment>app.def AreaMissingUrlTip</extracomment>
        <translation>Al área %d le falta la URL</translation>
    </message>
    <message id="8381">
        <source>Save changes to %s?</source>
        <extracomment>app.def SaveChangesQuestion</extracomment>
        <translation>¿Guardar los cambios en %s?</translation>
    </message>
    <message id="8382">
        <source>Program/System Failure</source>
        <extracomment>app.def StartupFailureCaption</extracomment>
        <translation>Fallo del programa o del sistema</translation>
    </message>
    <message id="8385">
        <source>URL</source>
        <extracomment>app.def AreaListUrl</extracomment>
        <translation>URL</translation>
    </message>
    <message id="8386">
        <source>Open as &amp;read-only</source>
        <extracomment>app.def ReadOnlyBox</extracomment>
        <translation>Abrir como solo &amp;lectura</translation>
    </message>
    <message id="8387">
        <source>Save the Image Map file</source>
        <extracomment>app.def SaveMapTitle</extracomment>
        <translation>Guardar el archivo del mapa de imagen</translation>
    </message>
    <message id="8388">
        <source>%s
This file aready exists.
Replace existing file?</source>
        <extracomment>app.def ReplaceExistingFile</extracomment>
        <translation>%s
Este archivo ya existe.
¿Reemplazar el archivo existente?</translation>
    </message>
    <message id="8389">
        <source>This HTML file is malformed. Refusing to save into this file due to extreme possibility of destroying the file.</source>
        <extracomment>app.def MalformedPage</extracomment>
        <translation>Este archivo HTML está mal formado. Tessary no guardará en él porque es muy probable que el archivo se destruya.</translation>
    </message>
    <message id="8390">
        <source>Map Saved</source>
        <extracomment>app.def SavedTitle</extracomment>
        <translation>Mapa guardado</translation>
    </message>
    <message id="8391">
        <source>&amp;Don't show this dialog again.</source>
        <extracomment>app.def SavedDontShow</extracomment>
        <translation>&amp;No volver a mostrar este diálogo.</translation>
    </message>
    <message id="8392">
        <source>Multiple Maps in HTML File</source>
        <extracomment>app.def MultipleMapsTitle</extracomment>
        <translation>Varios mapas en el archivo HTML</translation>
    </message>
    <message id="8393">
        <source>This HTML file holds more than one map. Choose the map to edit:</source>
        <extracomment>app.def MultipleMapsPrompt</extracomment>
        <translation>Este archivo HTML contiene más de un mapa. Elija el mapa que quiere editar:</translation>
    </message>
    <message id="8394">
        <source>Map Name</source>
        <extracomment>app.def MultipleMapsName</extracomment>
        <translation>Nombre del mapa</translation>
    </message>
    <message id="8395">
        <source>Related Graphic</source>
        <extracomment>app.def MultipleMapsGraphic</extracomment>
        <translation>Imagen asociada</translation>
    </message>
    <message id="8400">
        <source>Grid Settings</source>
        <extracomment>app.def GridTitle</extracomment>
        <translation>Ajustes de la cuadrícula</translation>
    </message>
    <message id="8401">
        <source>&amp;Snap-To Grid Enabled</source>
        <extracomment>app.def GridEnabled</extracomment>
        <translation>Cuadrícula &amp;magnética activada</translation>
    </message>
    <message id="8402">
        <source>Visibility</source>
        <extracomment>app.def GridVisibility</extracomment>
        <translation>Visibilidad</translation>
    </message>
    <message id="8403">
        <source>&amp;Hidden</source>
        <extracomment>app.def GridHidden</extracomment>
        <translation>&amp;Oculta</translation>
    </message>
    <message id="8404">
        <source>L&amp;ines</source>
        <extracomment>app.def GridLines</extracomment>
        <translation>&amp;Líneas</translation>
    </message>
    <message id="8405">
        <source>&amp;Crosses</source>
        <extracomment>app.def GridCrosses</extracomment>
        <translation>&amp;Cruces</translation>
    </message>
    <message id="8406">
        <source>Spacing and offset in image pixels</source>
        <extracomment>app.def GridSpacing</extracomment>
        <translation>Espaciado y desplazamiento en píxeles de la imagen</translation>
    </message>
    <message id="8407">
        <source>&amp;Width:</source>
        <extracomment>app.def GridWidth</extracomment>
        <translation>&amp;Ancho:</translation>
    </message>
    <message id="8408">
        <source>H&amp;eight:</source>
        <extracomment>app.def GridHeight</extracomment>
        <translation>Al&amp;to:</translation>
    </message>
    <message id="8409">
        <source>Offset from &amp;left:</source>
        <extracomment>app.def GridOffsetLeft</extracomment>
        <translation>Desplazamiento desde la &amp;izquierda:</translation>
    </message>
    <message id="8410">
        <source>Offset from &amp;top:</source>
        <extracomment>app.def GridOffsetTop</extracomment>
        <translation>Desplazamiento desde a&amp;rriba:</translation>
    </message>
    <message id="8420">
        <source>Command Line Switches</source>
        <extracomment>app.def SwitchesTitle</extracomment>
        <translation>Opciones de la línea de órdenes</translation>
    </message>
    <message id="8421">
        <source>Tessary.exe {filename} {/m:mapfile} {/g:imagefile}</source>
        <extracomment>app.def SwitchesSyntax</extracomment>
        <translation>Tessary.exe {archivo} {/m:archivomapa} {/g:archivoimagen}</translation>
    </message>
    <message id="8422">
        <source>filename: an image map to open (.map, .imp, .htm or .html).</source>
        <extracomment>app.def SwitchesFile</extracomment>
        <translation>archivo: un mapa de imagen que abrir (.map, .imp, .htm o .html).</translation>
    </message>
    <message id="8423">
        <source>/m:mapfile: without a filename, a new map starts that will be saved in mapfile.</source>
        <extracomment>app.def SwitchesMap</extracomment>
        <translation>/m:archivomapa: sin archivo, empieza un mapa nuevo que se guardará en archivomapa.</translation>
    </message>
    <message id="8424">
        <source>/g:imagefile: the picture (GIF, JPG or PNG) of the map; without a filename, a new map starts on it without a wizard.</source>
        <extracomment>app.def SwitchesImage</extracomment>
        <translation>/g:archivoimagen: la imagen (GIF, JPG o PNG) del mapa; sin archivo, empieza sobre ella un mapa nuevo sin asistente.</translation>
    </message>
    <message id="8425">
        <source>Every switch may begin with - instead of /.</source>
        <extracomment>app.def SwitchesDash</extracomment>
        <translation>Cada opción puede empezar por - en lugar de /.</translation>
    </message>
    <message id="8440">
        <source>Welcome to Tessary</source>
        <extracomment>app.def WelcomeTitle</extracomment>
        <translation>Bienvenido a Tessary</translation>
    </message>
    <message id="8441">
        <source>What would you like to do?</source>
        <extracomment>app.def WelcomeQuestion</extracomment>
        <translation>¿Qué quiere hacer?</translation>
    </message>
    <message id="8442">
        <source>&amp;Open an existing image map</source>
        <extracomment>app.def WelcomeOpen</extracomment>
        <translation>&amp;Abrir un mapa de imagen existente</translation>
    </message>
    <message id="8443">
        <source>Start the New &amp;Image Map Wizard</source>
        <extracomment>app.def WelcomeNewMap</extracomment>
        <translation>Iniciar el asistente de nuevo mapa de &amp;imagen</translation>
    </message>
    <message id="8444">
        <source>Start the Image &amp;Creator</source>
        <extracomment>app.def WelcomeCreateImage</extracomment>
        <translation>Iniciar el &amp;creador de imágenes</translation>
    </message>
    <message id="8445">
        <source>&amp;Never show this dialog again.</source>
        <extracomment>app.def WelcomeNeverShow</extracomment>
        <translation>&amp;No volver a mostrar nunca este diálogo.</translation>
    </message>
    <message id="8460">
        <source>version </source>
        <extracomment>app.def AboutVersionLead</extracomment>
        <translation>versión </translation>
    </message>
    <message id="8640">
        <source>Comment</source>
        <extracomment>guides.def AreaListComment</extracomment>
        <translation>Comentario</translation>
    </message>
    <message id="8641">
        <source>Frame Target</source>
        <extracomment>guides.def AreaListTarget</extracomment>
        <translation>Marco de destino</translation>
    </message>
    <message id="8642">
        <source>Create Guides</source>
        <extracomment>guides.def GuidesTitle</extracomment>
        <translation>Crear guías</translation>
    </message>
    <message id="8643">
        <source>Number &amp;across:</source>
        <extracomment>guides.def GuidesAcrossLabel</extracomment>
        <translation>Número a lo &amp;ancho:</translation>
    </message>
    <message id="8644">
        <source>Number &amp;down:</source>
        <extracomment>guides.def GuidesDownLabel</extracomment>
        <translation>Número a lo a&amp;lto:</translation>
    </message>
    <message id="8645">
        <source>&amp;Width of each guide:</source>
        <extracomment>guides.def GuidesWidthLabel</extracomment>
        <translation>An&amp;cho de cada guía:</translation>
    </message>
    <message id="8646">
        <source>&amp;Height of each guide:</source>
        <extracomment>guides.def GuidesHeightLabel</extracomment>
        <translation>Al&amp;tura de cada guía:</translation>
    </message>
    <message id="8647">
        <source>Hori&amp;zontal spacing:</source>
        <extracomment>guides.def GuidesSpacingXLabel</extracomment>
        <translation>Espaciado hori&amp;zontal:</translation>
    </message>
    <message id="8648">
        <source>&amp;Vertical spacing:</source>
        <extracomment>guides.def GuidesSpacingYLabel</extracomment>
        <translation>Espaciado &amp;vertical:</translation>
    </message>
    <message id="8649">
        <source>&amp;Left start:</source>
        <extracomment>guides.def GuidesLeftStartLabel</extracomment>
        <translation>Inicio a la &amp;izquierda:</translation>
    </message>
    <message id="8650">
        <source>&amp;Top start:</source>
        <extracomment>guides.def GuidesTopStartLabel</extracomment>
        <translation>Inicio a&amp;rriba:</translation>
    </message>
    <message id="8651">
        <source>Base &amp;URL (%d numbers the guides):</source>
        <extracomment>guides.def GuidesBaseUrlLabel</extracomment>
        <translation>&amp;URL base (%d numera las guías):</translation>
    </message>
    <message id="8652">
        <source>Image size:</source>
        <extracomment>guides.def GuidesImageSizeLabel</extracomment>
        <translation>Tamaño de la imagen:</translation>
    </message>
    <message id="8653">
        <source>Guides cover:</source>
        <extracomment>guides.def GuidesBoundsLabel</extracomment>
        <translation>Las guías cubren:</translation>
    </message>
    <message id="8654">
        <source>Areas Existing</source>
        <extracomment>guides.def AreasExistingTitle</extracomment>
        <translation>Áreas existentes</translation>
    </message>
    <message id="8655">
        <source>This map already has areas. Add the guides after them, or replace them with the guides?</source>
        <extracomment>guides.def AreasExistingText</extracomment>
        <translation>Este mapa ya tiene áreas. ¿Añadir las guías tras ellas o reemplazarlas por las guías?</translation>
    </message>
    <message id="8656">
        <source>&amp;Add</source>
        <extracomment>guides.def AreasExistingAdd</extracomment>
        <translation>&amp;Añadir</translation>
    </message>
    <message id="8657">
        <source>&amp;Replace</source>
        <extracomment>guides.def AreasExistingReplace</extracomment>
        <translation>&amp;Reemplazar</translation>
    </message>
    <message id="8461">
        <source>Test The Map</source>
        <extracomment>prefs.def TestMapIntroTitle</extracomment>
        <translation>Probar el mapa</translation>
    </message>
    <message id="8462">
        <source>Test Map shows the picture at its own size, as a visitor's browser shows it. Point at the picture: the field below it shows the URL that a click there would follow.

This only shows what a visitor would see. To work for visitors, the map must be saved into its page and placed, with the page and the picture, on a web server.</source>
        <extracomment>prefs.def TestMapIntroText</extracomment>
        <translation>«Probar el mapa» muestra la imagen a su tamaño real, como la muestra el navegador de un visitante. Apunte a la imagen: el campo de debajo muestra la URL que seguiría un clic en ese punto.

Solo muestra lo que vería un visitante. Para que funcione para los visitantes, el mapa debe guardarse en su página y publicarse, junto con la página y la imagen, en un servidor web.</translation>
    </message>
    <message id="8463">
        <source>&amp;Don't show this dialog next time.</source>
        <extracomment>prefs.def TestMapIntroDontShow</extracomment>
        <translation>&amp;No mostrar este diálogo la próxima vez.</translation>
    </message>
    <message id="8464">
        <source>Test Map</source>
        <extracomment>prefs.def TestMapTitle</extracomment>
        <translation>Probar el mapa</translation>
    </message>
    <message id="8465">
        <source>URL:</source>
        <extracomment>prefs.def TestMapUrl</extracomment>
        <translation>URL:</translation>
    </message>
    <message id="8466">
        <source>&amp;Done</source>
        <extracomment>prefs.def TestMapDone</extracomment>
        <translation>&amp;Hecho</translation>
    </message>
    <message id="8467">
        <source>Preference Settings</source>
        <extracomment>prefs.def PrefsTitle</extracomment>
        <translation>Preferencias</translation>
    </message>
    <message id="8468">
        <source>General</source>
        <extracomment>prefs.def PrefsGeneral</extracomment>
        <translation>General</translation>
    </message>
    <message id="8469">
        <source>Colors</source>
        <extracomment>prefs.def PrefsColors</extracomment>
        <translation>Colores</translation>
    </message>
    <message id="8470">
        <source>Guru</source>
        <extracomment>prefs.def PrefsGuru</extracomment>
        <translation>Experto</translation>
    </message>
    <message id="8471">
        <source>&amp;Prompt for new area info</source>
        <extracomment>prefs.def PrefsAreaPrompt</extracomment>
        <translation>&amp;Pedir la información de cada área nueva</translation>
    </message>
    <message id="8472">
        <source>&amp;Require default URL</source>
        <extracomment>prefs.def PrefsRequireDefault</extracomment>
        <translation>E&amp;xigir una URL predeterminada</translation>
    </message>
    <message id="8473">
        <source>Show area &amp;url tip</source>
        <extracomment>prefs.def PrefsShowAreaTips</extracomment>
        <translation>Mostrar la &amp;URL del área al pasar por encima</translation>
    </message>
    <message id="8474">
        <source>Show &amp;area handles</source>
        <extracomment>prefs.def PrefsShowHandles</extracomment>
        <translation>Mostrar los &amp;tiradores de las áreas</translation>
    </message>
    <message id="8475">
        <source>Use &amp;double-sized grab handles</source>
        <extracomment>prefs.def PrefsGrabSize</extracomment>
        <translation>Usar tiradores de tamaño &amp;doble</translation>
    </message>
    <message id="8476">
        <source>Maximize map window when opening</source>
        <extracomment>prefs.def PrefsMaximizeOnOpen</extracomment>
        <translation>Maximizar la ventana del mapa al abrirlo</translation>
    </message>
    <message id="8477">
        <source>Zoom small images to fit window</source>
        <extracomment>prefs.def PrefsZoomToFit</extracomment>
        <translation>Ampliar las imágenes pequeñas al tamaño de la ventana</translation>
    </message>
    <message id="8478">
        <source>Default color</source>
        <extracomment>prefs.def PrefsDefaultColor</extracomment>
        <translation>Color predeterminado</translation>
    </message>
    <message id="8479">
        <source>Selected color</source>
        <extracomment>prefs.def PrefsSelectedColor</extracomment>
        <translation>Color de selección</translation>
    </message>
    <message id="8480">
        <source>Flyby color</source>
        <extracomment>prefs.def PrefsFlybyColor</extracomment>
        <translation>Color al pasar por encima</translation>
    </message>
    <message id="8481">
        <source>Area Fill Color and Style</source>
        <extracomment>prefs.def PrefsFill</extracomment>
        <translation>Color y estilo de relleno de las áreas</translation>
    </message>
    <message id="8482">
        <source>&amp;Enabled</source>
        <extracomment>prefs.def PrefsFillEnabled</extracomment>
        <translation>&amp;Activado</translation>
    </message>
    <message id="8483">
        <source>&amp;Max. Recent files:</source>
        <extracomment>prefs.def PrefsMaxRecent</extracomment>
        <translation>&amp;Máx. de archivos recientes:</translation>
    </message>
    <message id="8484">
        <source>&amp;Clear List</source>
        <extracomment>prefs.def PrefsClearList</extracomment>
        <translation>&amp;Vaciar la lista</translation>
    </message>
    <message id="8485">
        <source>Text to supply as &amp;default URL when needed:</source>
        <extracomment>prefs.def PrefsDefaultUrlLead</extracomment>
        <translation>Texto que usar como URL &amp;predeterminada cuando haga falta:</translation>
    </message>
    <message id="8486">
        <source>Colour of the outline's dots</source>
        <extracomment>prefs.def PrefsLineColorTip</extracomment>
        <translation>Color de los puntos del contorno</translation>
    </message>
    <message id="8487">
        <source>Colour between the outline's dots</source>
        <extracomment>prefs.def PrefsBackColorTip</extracomment>
        <translation>Color entre los puntos del contorno</translation>
    </message>
    <message id="8488">
        <source>Colour of the hatching</source>
        <extracomment>prefs.def PrefsFillColorTip</extracomment>
        <translation>Color del sombreado</translation>
    </message>
    <message id="8489">
        <source>Choose a Colour</source>
        <extracomment>prefs.def ColorPickerTitle</extracomment>
        <translation>Elegir un color</translation>
    </message>
    <message id="7056">
        <source>The new Max Recent Files setting will take effect the next time you run Tessary.</source>
        <extracomment>prefs.def MaxRecentNextRun</extracomment>
        <translation>El nuevo número de archivos recientes se aplicará la próxima vez que inicie Tessary.</translation>
    </message>
    <message id="57644">
        <source>Redo the previously undone action
Redo</source>
        <extracomment>undo.def CmdRedo</extracomment>
        <translation>Rehacer la última acción deshecha
Rehacer</translation>
    </message>
    <message id="8550">
        <source>&amp;Redo</source>
        <extracomment>undo.def ItemRedo</extracomment>
        <translation>&amp;Rehacer</translation>
    </message>
    <message id="8551">
        <source>&amp;Undo %s</source>
        <extracomment>undo.def ItemUndoStep</extracomment>
        <translation>&amp;Deshacer %s</translation>
    </message>
    <message id="8552">
        <source>&amp;Redo %s</source>
        <extracomment>undo.def ItemRedoStep</extracomment>
        <translation>&amp;Rehacer %s</translation>
    </message>
    <message id="8555">
        <source>Draw Area</source>
        <extracomment>undo.def StepDrawArea</extracomment>
        <translation>Dibujar área</translation>
    </message>
    <message id="8556">
        <source>Paste</source>
        <extracomment>undo.def StepPaste</extracomment>
        <translation>Pegar</translation>
    </message>
    <message id="8557">
        <source>Delete Area</source>
        <extracomment>undo.def StepDeleteArea</extracomment>
        <translation>Eliminar área</translation>
    </message>
    <message id="8558">
        <source>Cut</source>
        <extracomment>undo.def StepCut</extracomment>
        <translation>Cortar</translation>
    </message>
    <message id="8559">
        <source>Bring to Front</source>
        <extracomment>undo.def StepBringToFront</extracomment>
        <translation>Traer al frente</translation>
    </message>
    <message id="8560">
        <source>Send to Back</source>
        <extracomment>undo.def StepSendToBack</extracomment>
        <translation>Enviar al fondo</translation>
    </message>
    <message id="8561">
        <source>Reorder Area</source>
        <extracomment>undo.def StepReorderArea</extracomment>
        <translation>Reordenar área</translation>
    </message>
    <message id="8562">
        <source>Move Area</source>
        <extracomment>undo.def StepMoveArea</extracomment>
        <translation>Mover área</translation>
    </message>
    <message id="8563">
        <source>Reshape Area</source>
        <extracomment>undo.def StepReshapeArea</extracomment>
        <translation>Remodelar área</translation>
    </message>
    <message id="8564">
        <source>Insert Point</source>
        <extracomment>undo.def StepInsertPoint</extracomment>
        <translation>Insertar punto</translation>
    </message>
    <message id="8565">
        <source>Delete Point</source>
        <extracomment>undo.def StepDeletePoint</extracomment>
        <translation>Eliminar punto</translation>
    </message>
    <message id="8566">
        <source>Area Settings</source>
        <extracomment>undo.def StepAreaSettings</extracomment>
        <translation>Propiedades del área</translation>
    </message>
    <message id="8567">
        <source>Drop URL</source>
        <extracomment>undo.def StepDropUrl</extracomment>
        <translation>Soltar URL</translation>
    </message>
    <message id="8568">
        <source>Edit Map Info</source>
        <extracomment>undo.def StepEditMapInfo</extracomment>
        <translation>Editar info del mapa</translation>
    </message>
    <message id="8569">
        <source>Change Image</source>
        <extracomment>undo.def StepChangeImage</extracomment>
        <translation>Cambiar la imagen</translation>
    </message>
    <message id="8570">
        <source>Clip Areas to Image</source>
        <extracomment>undo.def StepClipAreas</extracomment>
        <translation>Recortar las áreas a la imagen</translation>
    </message>
    <message id="8571">
        <source>Create Guides</source>
        <extracomment>undo.def StepCreateGuides</extracomment>
        <translation>Crear guías</translation>
    </message>
    <message id="8572">
        <source>Delete All Areas</source>
        <extracomment>undo.def StepDeleteAllAreas</extracomment>
        <translation>Eliminar todas las áreas</translation>
    </message>
    <message id="8700">
        <source>New Map Wizard</source>
        <extracomment>newmap.def NewMapWizardTitle</extracomment>
        <translation>Asistente de mapas</translation>
    </message>
    <message id="8701">
        <source>Create a new image map</source>
        <extracomment>newmap.def WizPageAA</extracomment>
        <translation>Crear un mapa de imagen nuevo</translation>
    </message>
    <message id="8702">
        <source>New map in existing HTML - Step 1</source>
        <extracomment>newmap.def WizPageAB</extracomment>
        <translation>Mapa nuevo en un HTML existente – Paso 1</translation>
    </message>
    <message id="8703">
        <source>New map in existing HTML - Step 2</source>
        <extracomment>newmap.def WizPageAC</extracomment>
        <translation>Mapa nuevo en un HTML existente – Paso 2</translation>
    </message>
    <message id="8704">
        <source>New map in existing HTML - Step 3</source>
        <extracomment>newmap.def WizPageAD</extracomment>
        <translation>Mapa nuevo en un HTML existente – Paso 3</translation>
    </message>
    <message id="8705">
        <source>Brand New HTML file - Step 1</source>
        <extracomment>newmap.def WizPageBB</extracomment>
        <translation>Archivo HTML nuevo – Paso 1</translation>
    </message>
    <message id="8706">
        <source>Brand New HTML file - Step 2</source>
        <extracomment>newmap.def WizPageBC</extracomment>
        <translation>Archivo HTML nuevo – Paso 2</translation>
    </message>
    <message id="8707">
        <source>Brand New HTML file - Step 3</source>
        <extracomment>newmap.def WizPageBD</extracomment>
        <translation>Archivo HTML nuevo – Paso 3</translation>
    </message>
    <message id="8708">
        <source>Create the new image map in</source>
        <extracomment>newmap.def WizIntro</extracomment>
        <translation>Crear el nuevo mapa de imagen en</translation>
    </message>
    <message id="8709">
        <source>... an &amp;existing HTML file</source>
        <extracomment>newmap.def WizChoiceExisting</extracomment>
        <translation>... un archivo HTML &amp;existente</translation>
    </message>
    <message id="8710">
        <source>... a brand-new &amp;HTML file</source>
        <extracomment>newmap.def WizChoiceNew</extracomment>
        <translation>... un archivo &amp;HTML nuevo</translation>
    </message>
    <message id="8711">
        <source>Currently selected HTML file has %s existing map%s and %s existing image%s.</source>
        <extracomment>newmap.def PageCountStatus</extracomment>
        <translation>El archivo HTML seleccionado contiene %s mapa%s y %s gráfico%s.</translation>
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
        <translation>Elija el archivo HTML que contendrá el mapa nuevo.</translation>
    </message>
    <message id="8715">
        <source>Image Name</source>
        <extracomment>newmap.def ColumnImageName</extracomment>
        <translation>Nombre de la imagen</translation>
    </message>
    <message id="8716">
        <source>Map Name</source>
        <extracomment>newmap.def ColumnMapName</extracomment>
        <translation>Nombre del mapa</translation>
    </message>
    <message id="8717">
        <source>Size</source>
        <extracomment>newmap.def ColumnSize</extracomment>
        <translation>Tamaño</translation>
    </message>
    <message id="8719">
        <source>Choose the image the map is for, or add a new image to the page.</source>
        <extracomment>newmap.def ChooseImagePrompt</extracomment>
        <translation>Elija la imagen a la que corresponde el mapa, o añada una imagen nueva a la página.</translation>
    </message>
    <message id="8720">
        <source>The image that you have selected already has a map attached to it.
Do you wish to overwrite this existing map?</source>
        <extracomment>newmap.def ImageHasMap</extracomment>
        <translation>La imagen que ha seleccionado ya tiene un mapa.
¿Quiere sobrescribir ese mapa?</translation>
    </message>
    <message id="8721">
        <source>Add Image...</source>
        <extracomment>newmap.def AddImageButton</extracomment>
        <translation>Añadir imagen...</translation>
    </message>
    <message id="8722">
        <source>HTML file:</source>
        <extracomment>newmap.def HtmlFileLabel</extracomment>
        <translation>Archivo HTML:</translation>
    </message>
    <message id="8723">
        <source>Image file:</source>
        <extracomment>newmap.def ImageFileLabel</extracomment>
        <translation>Archivo de imagen:</translation>
    </message>
    <message id="8724">
        <source>Map name:</source>
        <extracomment>newmap.def MapNameLabel</extracomment>
        <translation>Nombre del mapa:</translation>
    </message>
    <message id="8726">
        <source>The map name needs at least one character and may hold no spaces, double quotes (") or "#".</source>
        <extracomment>newmap.def MapNameRule</extracomment>
        <translation>El nombre del mapa necesita al menos un carácter y no puede contener espacios, comillas dobles (") ni "#".</translation>
    </message>
    <message id="8727">
        <source>A map name cannot hold spaces, double quotes or "#".</source>
        <extracomment>newmap.def MapNameRefused</extracomment>
        <translation>Un nombre de mapa no puede contener espacios, comillas dobles ni «#».</translation>
    </message>
    <message id="8728">
        <source>The HTML file already holds a map named "%s".
Do you wish to replace that map?</source>
        <extracomment>newmap.def MapNameExists</extracomment>
        <translation>El archivo HTML ya contiene un mapa llamado «%s».
¿Quiere reemplazar ese mapa?</translation>
    </message>
    <message id="8729">
        <source>HTML file name:</source>
        <extracomment>newmap.def PageFileNameLabel</extracomment>
        <translation>Nombre del archivo HTML:</translation>
    </message>
    <message id="8730">
        <source>Choose the folder of the new HTML file and give it a name.</source>
        <extracomment>newmap.def NewPagePrompt</extracomment>
        <translation>Elija la carpeta del nuevo archivo HTML y póngale un nombre.</translation>
    </message>
    <message id="8731">
        <source>%s
This file already exists. The new map will be added to it and the rest of the file kept.
Use this file?</source>
        <extracomment>newmap.def PageExists</extracomment>
        <translation>%s
Este archivo ya existe. El mapa nuevo se añadirá a él y se conservará el resto del archivo.
¿Usar este archivo?</translation>
    </message>
    <message id="8732">
        <source>Choose the image the new map is drawn on.</source>
        <extracomment>newmap.def ChoosePicturePrompt</extracomment>
        <translation>Elija la imagen sobre la que se dibuja el mapa nuevo.</translation>
    </message>
    <message id="8733">
        <source>Save As New Map into Existing HTML file</source>
        <extracomment>newmap.def PlacementTitle</extracomment>
        <translation>Guardar como mapa nuevo en un archivo HTML existente</translation>
    </message>
    <message id="8734">
        <source>Replace existing map?</source>
        <extracomment>newmap.def ReplaceExistingMap</extracomment>
        <translation>¿Reemplazar el mapa existente?</translation>
    </message>
    <message id="8735">
        <source>Add new image to HTML file</source>
        <extracomment>newmap.def AddImageTitle</extracomment>
        <translation>Añadir una imagen nueva al archivo HTML</translation>
    </message>
    <message id="8736">
        <source>Add new image and map to existing HTML file</source>
        <extracomment>newmap.def AddImageAndMapTitle</extracomment>
        <translation>Añadir una imagen nueva y su mapa al archivo HTML existente</translation>
    </message>
    <message id="8737">
        <source>Browse...</source>
        <extracomment>newmap.def BrowseButton</extracomment>
        <translation>Examinar...</translation>
    </message>
    <message id="8738">
        <source>Insert at cursor</source>
        <extracomment>newmap.def InsertAtCursor</extracomment>
        <translation>Insertar en el cursor</translation>
    </message>
    <message id="8739">
        <source>Place the cursor between two tags of the page body, where the new image is to go.</source>
        <extracomment>newmap.def InsertPointHint</extracomment>
        <translation>Coloque el cursor entre dos etiquetas del cuerpo de la página, donde debe ir la imagen nueva.</translation>
    </message>
    <message id="8740">
        <source>Choose the image the map is for, or the map it replaces.</source>
        <extracomment>newmap.def PlacementPrompt</extracomment>
        <translation>Elija la imagen a la que corresponde el mapa, o el mapa que sustituye.</translation>
    </message>
    <message id="8741">
        <source>Folders</source>
        <extracomment>newmap.def BrowserFolders</extracomment>
        <translation>Carpetas</translation>
    </message>
    <message id="8742">
        <source>Files</source>
        <extracomment>newmap.def BrowserFiles</extracomment>
        <translation>Archivos</translation>
    </message>
    <message id="8780">
        <source>Image Wizard</source>
        <extracomment>imagewiz.def ImgWizCaption</extracomment>
        <translation>Asistente de imágenes</translation>
    </message>
    <message id="8781">
        <source>Image Wizard - Getting Started</source>
        <extracomment>imagewiz.def ImgWizStyleTitle</extracomment>
        <translation>Asistente de imágenes – Primeros pasos</translation>
    </message>
    <message id="8782">
        <source>Image Wizard - Horizontal Navigation Bar</source>
        <extracomment>imagewiz.def ImgWizBarTitle</extracomment>
        <translation>Asistente de imágenes – Barra de navegación horizontal</translation>
    </message>
    <message id="8783">
        <source>Image Wizard - Vertical Product Menu</source>
        <extracomment>imagewiz.def ImgWizMenuTitle</extracomment>
        <translation>Asistente de imágenes – Menú de productos vertical</translation>
    </message>
    <message id="8784">
        <source>Image Wizard - Custom Grid</source>
        <extracomment>imagewiz.def ImgWizGridTitle</extracomment>
        <translation>Asistente de imágenes – Cuadrícula personalizada</translation>
    </message>
    <message id="8785">
        <source>Image Wizard - Save the Image</source>
        <extracomment>imagewiz.def ImgWizSaveTitle</extracomment>
        <translation>Asistente de imágenes – Guardar la imagen</translation>
    </message>
    <message id="8786">
        <source>Horizontal Navigation Bar</source>
        <extracomment>imagewiz.def ImgWizKindBar</extracomment>
        <translation>Barra de navegación horizontal</translation>
    </message>
    <message id="8787">
        <source>Vertical Product Menu</source>
        <extracomment>imagewiz.def ImgWizKindMenu</extracomment>
        <translation>Menú de productos vertical</translation>
    </message>
    <message id="8788">
        <source>Custom X-by-Y Grid</source>
        <extracomment>imagewiz.def ImgWizKindGrid</extracomment>
        <translation>Cuadrícula X × Y personalizada</translation>
    </message>
    <message id="8789">
        <source>Button &amp;style:</source>
        <extracomment>imagewiz.def ImgWizStyleList</extracomment>
        <translation>E&amp;stilo de botón:</translation>
    </message>
    <message id="8790">
        <source>Kind of picture:</source>
        <extracomment>imagewiz.def ImgWizKindGroup</extracomment>
        <translation>Tipo de imagen:</translation>
    </message>
    <message id="8791">
        <source>&amp;Use other images...</source>
        <extracomment>imagewiz.def ImgWizOtherImages</extracomment>
        <translation>&amp;Usar otras imágenes...</translation>
    </message>
    <message id="8792">
        <source>HTML Map Files (*.htm *.html)</source>
        <extracomment>imagewiz.def ImgWizLibraryFilter</extracomment>
        <translation>Archivos de mapa HTML (*.htm *.html)</translation>
    </message>
    <message id="8793">
        <source>Columns:</source>
        <extracomment>imagewiz.def ImgWizColumns</extracomment>
        <translation>Columnas:</translation>
    </message>
    <message id="8794">
        <source>Rows:</source>
        <extracomment>imagewiz.def ImgWizRows</extracomment>
        <translation>Filas:</translation>
    </message>
    <message id="8795">
        <source>&amp;Font...</source>
        <extracomment>imagewiz.def ImgWizFont</extracomment>
        <translation>&amp;Fuente...</translation>
    </message>
    <message id="8796">
        <source>&amp;Colors...</source>
        <extracomment>imagewiz.def ImgWizColors</extracomment>
        <translation>&amp;Colores...</translation>
    </message>
    <message id="8797">
        <source>S&amp;pacing...</source>
        <extracomment>imagewiz.def ImgWizSpacing</extracomment>
        <translation>Es&amp;paciado...</translation>
    </message>
    <message id="8798">
        <source>Real-time Preview:</source>
        <extracomment>imagewiz.def ImgWizPreview</extracomment>
        <translation>Vista previa en tiempo real:</translation>
    </message>
    <message id="8799">
        <source>The picture would be larger than %1 x %1 pixels. Use fewer or smaller buttons, a smaller font or less spacing.</source>
        <extracomment>imagewiz.def ImgWizTooLarge</extracomment>
        <translation>La imagen superaría los %1 × %1 píxeles. Use menos botones o botones más pequeños, una fuente más pequeña o menos espaciado.</translation>
    </message>
    <message id="8800">
        <source>Colors for the Image</source>
        <extracomment>imagewiz.def ImgWizColorsTitle</extracomment>
        <translation>Colores de la imagen</translation>
    </message>
    <message id="8801">
        <source>Text:</source>
        <extracomment>imagewiz.def ImgWizTextColor</extracomment>
        <translation>Texto:</translation>
    </message>
    <message id="8802">
        <source>Outline:</source>
        <extracomment>imagewiz.def ImgWizOutlineColor</extracomment>
        <translation>Contorno:</translation>
    </message>
    <message id="8803">
        <source>Filler Color:</source>
        <extracomment>imagewiz.def ImgWizFillerColor</extracomment>
        <translation>Color de relleno:</translation>
    </message>
    <message id="8805">
        <source>Image Spacing</source>
        <extracomment>imagewiz.def ImgWizSpacingTitle</extracomment>
        <translation>Espaciado de la imagen</translation>
    </message>
    <message id="8806">
        <source>Horizontal spacing:</source>
        <extracomment>imagewiz.def ImgWizSpacingH</extracomment>
        <translation>Espaciado horizontal:</translation>
    </message>
    <message id="8807">
        <source>Vertical spacing:</source>
        <extracomment>imagewiz.def ImgWizSpacingV</extracomment>
        <translation>Espaciado vertical:</translation>
    </message>
    <message id="8808">
        <source>Horizontal caption offset:</source>
        <extracomment>imagewiz.def ImgWizOffsetH</extracomment>
        <translation>Desplazamiento horizontal del rótulo:</translation>
    </message>
    <message id="8809">
        <source>Vertical caption offset:</source>
        <extracomment>imagewiz.def ImgWizOffsetV</extracomment>
        <translation>Desplazamiento vertical del rótulo:</translation>
    </message>
    <message id="8810">
        <source>File &amp;name:</source>
        <extracomment>imagewiz.def ImgWizFileName</extracomment>
        <translation>&amp;Nombre de archivo:</translation>
    </message>
    <message id="8814">
        <source>Do you wish to overwrite the existing file?</source>
        <extracomment>imagewiz.def ImgWizOverwrite</extracomment>
        <translation>¿Quiere sobrescribir el archivo existente?</translation>
    </message>
    <message id="8815">
        <source>The picture could not be written to "%1". Choose another folder or name.</source>
        <extracomment>imagewiz.def ImgWizSaveFailed</extracomment>
        <translation>No se ha podido escribir la imagen en «%1». Elija otra carpeta u otro nombre.</translation>
    </message>
    <message id="8816">
        <source>Read All About It!</source>
        <extracomment>imagewiz.def ImgWizHelpTitle</extracomment>
        <translation>¡Todo lo que hay que saber!</translation>
    </message>
    <message id="8817">
        <source>Never show this helpful information again</source>
        <extracomment>imagewiz.def ImgWizHelpNever</extracomment>
        <translation>No volver a mostrar esta información</translation>
    </message>
    <message id="8818">
        <source>The button style library "%1" could not be read.</source>
        <extracomment>imagewiz.def ImgWizNoLibrary</extracomment>
        <translation>No se ha podido leer la biblioteca de estilos de botón «%1».</translation>
    </message>
    <message id="8819">
        <source>Format:</source>
        <extracomment>imagewiz.def ImgWizFormatGroup</extracomment>
        <translation>Formato:</translation>
    </message>
    <message id="8820">
        <source>Button captions</source>
        <extracomment>imagewiz.def ImgWizCaptionGrid</extracomment>
        <translation>Rótulos de los botones</translation>
    </message>
    <message id="9003">
        <source>Zoom to &amp;Fit</source>
        <extracomment>zoom.def ItemZoomToFit</extracomment>
        <translation>Ajustar a la &amp;ventana</translation>
    </message>
    <message id="33000">
        <source>Show the whole picture as large as the window allows
Zoom to Fit</source>
        <extracomment>zoom.def CmdZoomToFit</extracomment>
        <translation>Muestra la imagen entera tan grande como lo permite la ventana
Ajustar a la ventana</translation>
    </message>
    <message id="33001">
        <source>Show the picture at half its size
Zoom 1:2</source>
        <extracomment>zoom.def CmdZoomOut2</extracomment>
        <translation>Muestra la imagen a la mitad de su tamaño
Zoom 1:2</translation>
    </message>
    <message id="33002">
        <source>Show the picture at a third of its size
Zoom 1:3</source>
        <extracomment>zoom.def CmdZoomOut3</extracomment>
        <translation>Muestra la imagen a un tercio de su tamaño
Zoom 1:3</translation>
    </message>
    <message id="33003">
        <source>Show the picture at a quarter of its size
Zoom 1:4</source>
        <extracomment>zoom.def CmdZoomOut4</extracomment>
        <translation>Muestra la imagen a un cuarto de su tamaño
Zoom 1:4</translation>
    </message>
    <message id="33004">
        <source>Show the picture at a sixth of its size
Zoom 1:6</source>
        <extracomment>zoom.def CmdZoomOut6</extracomment>
        <translation>Muestra la imagen a un sexto de su tamaño
Zoom 1:6</translation>
    </message>
    <message id="33005">
        <source>Show the picture at an eighth of its size
Zoom 1:8</source>
        <extracomment>zoom.def CmdZoomOut8</extracomment>
        <translation>Muestra la imagen a un octavo de su tamaño
Zoom 1:8</translation>
    </message>
    <message id="33006">
        <source>Show the picture at a twelfth of its size
Zoom 1:12</source>
        <extracomment>zoom.def CmdZoomOut12</extracomment>
        <translation>Muestra la imagen a un doceavo de su tamaño
Zoom 1:12</translation>
    </message>
    <message id="33007">
        <source>Show the picture at a sixteenth of its size
Zoom 1:16</source>
        <extracomment>zoom.def CmdZoomOut16</extracomment>
        <translation>Muestra la imagen a un dieciseisavo de su tamaño
Zoom 1:16</translation>
    </message>
    <message id="33008">
        <source>Show the picture twelve times as large
Zoom 12:1</source>
        <extracomment>zoom.def CmdZoom12</extracomment>
        <translation>Muestra la imagen doce veces más grande
Zoom 12:1</translation>
    </message>
    <message id="33009">
        <source>Show the picture sixteen times as large
Zoom 16:1</source>
        <extracomment>zoom.def CmdZoom16</extracomment>
        <translation>Muestra la imagen dieciséis veces más grande
Zoom 16:1</translation>
    </message>
    <message id="9600">
        <source>&amp;Language:</source>
        <extracomment>lang.def PrefsLanguage</extracomment>
        <translation>&amp;Idioma:</translation>
    </message>
    <message id="9601">
        <source>System default</source>
        <extracomment>lang.def PrefsLanguageSystem</extracomment>
        <translation>Predeterminado del sistema</translation>
    </message>
    <message id="9602">
        <source>A new language is used from the next start of Tessary.</source>
        <extracomment>lang.def PrefsLanguageNextStart</extracomment>
        <translation>El idioma nuevo se usará la próxima vez que inicie Tessary.</translation>
    </message>
    <message id="9603">
        <source>Appeara&amp;nce:</source>
        <extracomment>lang.def PrefsAppearance</extracomment>
        <translation>Apa&amp;riencia:</translation>
    </message>
    <message id="9604">
        <source>System</source>
        <extracomment>lang.def PrefsAppearanceSystem</extracomment>
        <translation>Sistema</translation>
    </message>
    <message id="9605">
        <source>Light</source>
        <extracomment>lang.def PrefsAppearanceLight</extracomment>
        <translation>Clara</translation>
    </message>
    <message id="9606">
        <source>Dark</source>
        <extracomment>lang.def PrefsAppearanceDark</extracomment>
        <translation>Oscura</translation>
    </message>
    <message id="9500">
        <source>Click inside a shape to trace its outline; Shift+click adds a region</source>
        <extracomment>trace.def PromptTrace</extracomment>
        <translation>Haga clic dentro de una forma para trazar su contorno; Mayús+clic añade una región</translation>
    </message>
    <message id="9501">
        <source>Tracing...</source>
        <extracomment>trace.def TraceWorking</extracomment>
        <translation>Trazando...</translation>
    </message>
    <message id="9502">
        <source>Traced outline: %d points, %lld pixels; Enter accepts, Esc discards</source>
        <extracomment>trace.def TraceProposal</extracomment>
        <translation>Contorno trazado: %d puntos, %lld píxeles; Intro acepta, Esc descarta</translation>
    </message>
    <message id="9503">
        <source>There is no picture to trace</source>
        <extracomment>trace.def TraceRefusedNoPicture</extracomment>
        <translation>No hay ninguna imagen que trazar</translation>
    </message>
    <message id="9504">
        <source>Click on the picture to trace a shape</source>
        <extracomment>trace.def TraceRefusedOutside</extracomment>
        <translation>Haga clic en la imagen para trazar una forma</translation>
    </message>
    <message id="9505">
        <source>The region is the whole picture: click inside a shape or lower the tolerance</source>
        <extracomment>trace.def TraceRefusedWhole</extracomment>
        <translation>La región es la imagen entera: haga clic dentro de una forma o reduzca la tolerancia</translation>
    </message>
    <message id="9506">
        <source>The added region does not touch the outline: Shift+click next to it</source>
        <extracomment>trace.def TraceRefusedDisjoint</extracomment>
        <translation>La región añadida no toca el contorno: haga Mayús+clic justo al lado</translation>
    </message>
    <message id="9507">
        <source>The outline needs %d points, more than the %d an area may have: raise the precision or lower the tolerance</source>
        <extracomment>trace.def TraceRefusedVertices</extracomment>
        <translation>El contorno necesita %d puntos, más de los %d que puede tener un área: aumente la precisión o reduzca la tolerancia</translation>
    </message>
    <message id="33060">
        <source>Trace an area along a shape in the picture: click inside the shape
Trace</source>
        <extracomment>trace.def CmdTraceTool</extracomment>
        <translation>Trazar un área siguiendo una forma de la imagen: haga clic dentro de la forma
Trazar</translation>
    </message>
    <message id="9508">
        <source>Trace Area</source>
        <extracomment>trace.def StepTraceArea</extracomment>
        <translation>Trazar área</translation>
    </message>
    <message id="9509">
        <source>There is not enough memory to trace a picture this large</source>
        <extracomment>trace.def TraceOutOfMemory</extracomment>
        <translation>No hay memoria suficiente para trazar una imagen tan grande</translation>
    </message>
    <message id="9510">
        <source>&amp;Trace</source>
        <extracomment>trace.def ItemTrace</extracomment>
        <translation>&amp;Trazar</translation>
    </message>
    <message id="9511">
        <source>Tolerance</source>
        <extracomment>trace.def TraceToleranceLabel</extracomment>
        <translation>Tolerancia</translation>
    </message>
    <message id="9512">
        <source>How far a pixel's colour may differ from the clicked pixel's and still belong to the shape (0 to 255)</source>
        <extracomment>trace.def TraceToleranceTip</extracomment>
        <translation>Cuánto puede diferir el color de un píxel del píxel pulsado para seguir perteneciendo a la forma (0 a 255)</translation>
    </message>
    <message id="9513">
        <source>Precision</source>
        <extracomment>trace.def TracePrecisionLabel</extracomment>
        <translation>Precisión</translation>
    </message>
    <message id="9514">
        <source>How far the outline may stray from the shape's edge, in picture pixels (0.5 to 10)</source>
        <extracomment>trace.def TracePrecisionTip</extracomment>
        <translation>Cuánto puede apartarse el contorno del borde de la forma, en píxeles de la imagen (0,5 a 10)</translation>
    </message>
    <message id="9102">
        <source>&amp;Highlight areas on hover and focus</source>
        <extracomment>web.def MapHighlightAreas</extracomment>
        <translation>&amp;Resaltar las áreas al pasar el ratón y al recibir el foco</translation>
    </message>
    <message id="9103">
        <source>&amp;Export</source>
        <extracomment>web.def MenuExport</extracomment>
        <translation>&amp;Exportar</translation>
    </message>
    <message id="9104">
        <source>&amp;SVG Overlay...</source>
        <extracomment>web.def ItemSvgOverlay</extracomment>
        <translation>Superposición &amp;SVG...</translation>
    </message>
    <message id="9105">
        <source>SVG files (*.svg)</source>
        <extracomment>web.def SvgOverlayFilter</extracomment>
        <translation>Archivos SVG (*.svg)</translation>
    </message>
    <message id="9106">
        <source>The SVG overlay could not be written to %s.</source>
        <extracomment>web.def SvgOverlayWriteFailed</extracomment>
        <translation>No se pudo escribir la superposición SVG en %s.</translation>
    </message>
    <message id="9107">
        <source>The SVG overlay needs the map's picture: its size sets the overlay's coordinates.</source>
        <extracomment>web.def SvgOverlayNeedsPicture</extracomment>
        <translation>La superposición SVG necesita la imagen del mapa: su tamaño fija las coordenadas de la superposición.</translation>
    </message>
    <message id="33020">
        <source>Write the map as a standalone SVG overlay of its picture
Export SVG Overlay</source>
        <extracomment>web.def CmdExportSvgOverlay</extracomment>
        <translation>Guarda el mapa como superposición SVG independiente de su imagen
Exportar superposición SVG</translation>
    </message>
    <message id="9200">
        <source>The file is not a recovery copy of Tessary.</source>
        <extracomment>recovery.def RecoveryNotACopy</extracomment>
        <translation>El archivo no es una copia de recuperación de Tessary.</translation>
    </message>
    <message id="9201">
        <source>The copy was written by another version of Tessary (copy version %d).</source>
        <extracomment>recovery.def RecoveryOtherVersion</extracomment>
        <translation>La copia la escribió otra versión de Tessary (versión de copia %d).</translation>
    </message>
    <message id="9202">
        <source>The copy is incomplete: it ends before its map does.</source>
        <extracomment>recovery.def RecoveryTruncated</extracomment>
        <translation>La copia está incompleta: termina antes que su mapa.</translation>
    </message>
    <message id="9203">
        <source>The copy is damaged: its description of the map is not readable.</source>
        <extracomment>recovery.def RecoveryBadHeader</extracomment>
        <translation>La copia está dañada: la descripción del mapa no se puede leer.</translation>
    </message>
    <message id="9204">
        <source>The copy is larger than any map Tessary writes.</source>
        <extracomment>recovery.def RecoveryTooLarge</extracomment>
        <translation>La copia es más grande que cualquier mapa que escriba Tessary.</translation>
    </message>
    <message id="9205">
        <source>The copy is damaged: it does not hold exactly one whole map.</source>
        <extracomment>recovery.def RecoveryNoMap</extracomment>
        <translation>La copia está dañada: no contiene exactamente un mapa completo.</translation>
    </message>
    <message id="9210">
        <source>Recover Maps</source>
        <extracomment>recovery.def RecoverMapsTitle</extracomment>
        <translation>Recuperar mapas</translation>
    </message>
    <message id="9211">
        <source>Tessary ended before these maps were saved. Recovery copies of them were kept:</source>
        <extracomment>recovery.def RecoverMapsLead</extracomment>
        <translation>Tessary se cerró antes de guardar estos mapas. Se conservaron copias de recuperación:</translation>
    </message>
    <message id="9212">
        <source>Map</source>
        <extracomment>recovery.def RecoverColumnMap</extracomment>
        <translation>Mapa</translation>
    </message>
    <message id="9213">
        <source>Page</source>
        <extracomment>recovery.def RecoverColumnPage</extracomment>
        <translation>Página</translation>
    </message>
    <message id="9214">
        <source>Picture</source>
        <extracomment>recovery.def RecoverColumnPicture</extracomment>
        <translation>Imagen</translation>
    </message>
    <message id="9215">
        <source>Areas</source>
        <extracomment>recovery.def RecoverColumnAreas</extracomment>
        <translation>Áreas</translation>
    </message>
    <message id="9216">
        <source>Copy made</source>
        <extracomment>recovery.def RecoverColumnTime</extracomment>
        <translation>Copia hecha</translation>
    </message>
    <message id="9217">
        <source>New map</source>
        <extracomment>recovery.def RecoverNewMap</extracomment>
        <translation>Mapa nuevo</translation>
    </message>
    <message id="9218">
        <source>cannot be recovered: %s</source>
        <extracomment>recovery.def RecoverCannot</extracomment>
        <translation>no se puede recuperar: %s</translation>
    </message>
    <message id="9219">
        <source>&amp;Recover</source>
        <extracomment>recovery.def RecoverButton</extracomment>
        <translation>&amp;Recuperar</translation>
    </message>
    <message id="9220">
        <source>&amp;Delete</source>
        <extracomment>recovery.def RecoverDeleteButton</extracomment>
        <translation>&amp;Eliminar</translation>
    </message>
    <message id="9221">
        <source>&amp;Later</source>
        <extracomment>recovery.def RecoverLaterButton</extracomment>
        <translation>&amp;Más tarde</translation>
    </message>
    <message id="9222">
        <source>(untitled)</source>
        <extracomment>recovery.def RecoverUntitled</extracomment>
        <translation>(sin título)</translation>
    </message>
    <message id="9230">
        <source>The page %s has changed since the recovery copy of its map was made. Saving the recovered map will ask before it saves into that page.</source>
        <extracomment>recovery.def RecoveredPageChanged</extracomment>
        <translation>La página %s ha cambiado desde que se hizo la copia de recuperación de su mapa. Al guardar el mapa recuperado se le preguntará antes de escribir en esa página.</translation>
    </message>
    <message id="9231">
        <source>The page %s has changed since the recovery copy of this map was made. Save the recovered map into it anyway?

Yes saves into the page, No lets you choose another file.</source>
        <extracomment>recovery.def RecoveredSaveIntoChanged</extracomment>
        <translation>La página %s ha cambiado desde que se hizo la copia de recuperación de este mapa. ¿Guardar de todos modos el mapa recuperado en ella?

Sí guarda en la página, No le permite elegir otro archivo.</translation>
    </message>
    <message id="9232">
        <source>The map %s could not be recovered: its picture did not load. The recovery copy is kept.</source>
        <extracomment>recovery.def RecoveredPictureMissing</extracomment>
        <translation>No se pudo recuperar el mapa %s: su imagen no se cargó. Se conserva la copia de recuperación.</translation>
    </message>
    <message id="9240">
        <source>Save recovery &amp;copies of changed maps</source>
        <extracomment>recovery.def PrefsSaveRecoveryCopies</extracomment>
        <translation>Guardar &amp;copias de recuperación de los mapas modificados</translation>
    </message>
    <message id="9241">
        <source>at least every</source>
        <extracomment>recovery.def PrefsRecoveryInterval</extracomment>
        <translation>al menos cada</translation>
    </message>
    <message id="9242">
        <source> seconds while changes go on</source>
        <extracomment>recovery.def PrefsRecoverySeconds</extracomment>
        <translation> segundos mientras siga habiendo cambios</translation>
    </message>
    <message id="33080">
        <source>Select every area of the map
Select All</source>
        <extracomment>arrange.def CmdSelectAll</extracomment>
        <translation>Seleccionar todas las áreas del mapa
Seleccionar todo</translation>
    </message>
    <message id="33081">
        <source>Move the selected areas so that their left edges line up with the first one selected
Align Left</source>
        <extracomment>arrange.def CmdAlignLeft</extracomment>
        <translation>Mover las áreas seleccionadas para alinear sus bordes izquierdos con la primera seleccionada
Alinear a la izquierda</translation>
    </message>
    <message id="33082">
        <source>Move the selected areas so that their right edges line up with the first one selected
Align Right</source>
        <extracomment>arrange.def CmdAlignRight</extracomment>
        <translation>Mover las áreas seleccionadas para alinear sus bordes derechos con la primera seleccionada
Alinear a la derecha</translation>
    </message>
    <message id="33083">
        <source>Move the selected areas so that their top edges line up with the first one selected
Align Top</source>
        <extracomment>arrange.def CmdAlignTop</extracomment>
        <translation>Mover las áreas seleccionadas para alinear sus bordes superiores con la primera seleccionada
Alinear arriba</translation>
    </message>
    <message id="33084">
        <source>Move the selected areas so that their bottom edges line up with the first one selected
Align Bottom</source>
        <extracomment>arrange.def CmdAlignBottom</extracomment>
        <translation>Mover las áreas seleccionadas para alinear sus bordes inferiores con la primera seleccionada
Alinear abajo</translation>
    </message>
    <message id="33085">
        <source>Move the selected areas so that their centres lie on one vertical line with the first one selected's
Align Horizontal Centres</source>
        <extracomment>arrange.def CmdAlignHorizontalCentres</extracomment>
        <translation>Mover las áreas seleccionadas para que sus centros queden en una misma línea vertical con el de la primera seleccionada
Alinear centros horizontalmente</translation>
    </message>
    <message id="33086">
        <source>Move the selected areas so that their centres lie on one horizontal line with the first one selected's
Align Vertical Centres</source>
        <extracomment>arrange.def CmdAlignVerticalCentres</extracomment>
        <translation>Mover las áreas seleccionadas para que sus centros queden en una misma línea horizontal con el de la primera seleccionada
Alinear centros verticalmente</translation>
    </message>
    <message id="33087">
        <source>Space three or more selected areas evenly between the leftmost and the rightmost
Distribute Horizontally</source>
        <extracomment>arrange.def CmdDistributeHorizontally</extracomment>
        <translation>Espaciar por igual tres o más áreas seleccionadas entre la de la izquierda y la de la derecha
Distribuir horizontalmente</translation>
    </message>
    <message id="33088">
        <source>Space three or more selected areas evenly between the top one and the bottom one
Distribute Vertically</source>
        <extracomment>arrange.def CmdDistributeVertically</extracomment>
        <translation>Espaciar por igual tres o más áreas seleccionadas entre la de arriba y la de abajo
Distribuir verticalmente</translation>
    </message>
    <message id="33089">
        <source>Give the selected areas the width of the first one selected
Make Same Width</source>
        <extracomment>arrange.def CmdSameWidth</extracomment>
        <translation>Dar a las áreas seleccionadas el ancho de la primera seleccionada
Mismo ancho</translation>
    </message>
    <message id="33090">
        <source>Give the selected areas the height of the first one selected
Make Same Height</source>
        <extracomment>arrange.def CmdSameHeight</extracomment>
        <translation>Dar a las áreas seleccionadas la altura de la primera seleccionada
Misma altura</translation>
    </message>
    <message id="33091">
        <source>Give the selected areas the size of the first one selected
Make Same Size</source>
        <extracomment>arrange.def CmdSameSize</extracomment>
        <translation>Dar a las áreas seleccionadas el tamaño de la primera seleccionada
Mismo tamaño</translation>
    </message>
    <message id="9800">
        <source>Se&amp;lect All</source>
        <extracomment>arrange.def ItemSelectAll</extracomment>
        <translation>Selecci&amp;onar todo</translation>
    </message>
    <message id="9801">
        <source>Arran&amp;ge</source>
        <extracomment>arrange.def MenuArrange</extracomment>
        <translation>&amp;Organizar</translation>
    </message>
    <message id="9802">
        <source>Align &amp;Left</source>
        <extracomment>arrange.def ItemAlignLeft</extracomment>
        <translation>Alinear a la &amp;izquierda</translation>
    </message>
    <message id="9803">
        <source>Align &amp;Right</source>
        <extracomment>arrange.def ItemAlignRight</extracomment>
        <translation>Alinear a la &amp;derecha</translation>
    </message>
    <message id="9804">
        <source>Align &amp;Top</source>
        <extracomment>arrange.def ItemAlignTop</extracomment>
        <translation>Alinear &amp;arriba</translation>
    </message>
    <message id="9805">
        <source>Align &amp;Bottom</source>
        <extracomment>arrange.def ItemAlignBottom</extracomment>
        <translation>Alinear a&amp;bajo</translation>
    </message>
    <message id="9806">
        <source>Align &amp;Horizontal Centres</source>
        <extracomment>arrange.def ItemAlignHorizontalCentres</extracomment>
        <translation>Alinear &amp;centros horizontalmente</translation>
    </message>
    <message id="9807">
        <source>Align &amp;Vertical Centres</source>
        <extracomment>arrange.def ItemAlignVerticalCentres</extracomment>
        <translation>Alinear centros &amp;verticalmente</translation>
    </message>
    <message id="9808">
        <source>&amp;Distribute Horizontally</source>
        <extracomment>arrange.def ItemDistributeHorizontally</extracomment>
        <translation>Distribuir &amp;horizontalmente</translation>
    </message>
    <message id="9809">
        <source>Distribute Verticall&amp;y</source>
        <extracomment>arrange.def ItemDistributeVertically</extracomment>
        <translation>Distribuir vertical&amp;mente</translation>
    </message>
    <message id="9810">
        <source>Make Same &amp;Width</source>
        <extracomment>arrange.def ItemSameWidth</extracomment>
        <translation>Mismo a&amp;ncho</translation>
    </message>
    <message id="9811">
        <source>Make Same H&amp;eight</source>
        <extracomment>arrange.def ItemSameHeight</extracomment>
        <translation>Misma a&amp;ltura</translation>
    </message>
    <message id="9812">
        <source>Make Same &amp;Size</source>
        <extracomment>arrange.def ItemSameSize</extracomment>
        <translation>Mismo &amp;tamaño</translation>
    </message>
    <message id="9820">
        <source>Move %d Areas</source>
        <extracomment>arrange.def StepMoveAreas</extracomment>
        <translation>Mover %d áreas</translation>
    </message>
    <message id="9821">
        <source>Delete %d Areas</source>
        <extracomment>arrange.def StepDeleteAreas</extracomment>
        <translation>Eliminar %d áreas</translation>
    </message>
    <message id="9822">
        <source>Cut %d Areas</source>
        <extracomment>arrange.def StepCutAreas</extracomment>
        <translation>Cortar %d áreas</translation>
    </message>
    <message id="9823">
        <source>Paste %d Areas</source>
        <extracomment>arrange.def StepPasteAreas</extracomment>
        <translation>Pegar %d áreas</translation>
    </message>
    <message id="9824">
        <source>Bring %d Areas to Front</source>
        <extracomment>arrange.def StepBringAreasToFront</extracomment>
        <translation>Traer %d áreas al frente</translation>
    </message>
    <message id="9825">
        <source>Send %d Areas to Back</source>
        <extracomment>arrange.def StepSendAreasToBack</extracomment>
        <translation>Enviar %d áreas al fondo</translation>
    </message>
    <message id="9826">
        <source>Settings of %d Areas</source>
        <extracomment>arrange.def StepAreasSettings</extracomment>
        <translation>Ajustes de %d áreas</translation>
    </message>
    <message id="9850">
        <source>Settings of %d Areas</source>
        <extracomment>arrange.def AreasSettingsCaption</extracomment>
        <translation>Ajustes de %d áreas</translation>
    </message>
    <message id="9851">
        <source>Several values</source>
        <extracomment>arrange.def SeveralValues</extracomment>
        <translation>Varios valores</translation>
    </message>
    <message id="9852">
        <source>The %d copied areas do not fit: the map has room for %d more (a map holds %d areas).
Nothing was pasted.</source>
        <extracomment>arrange.def PasteTooMany</extracomment>
        <translation>Las %d áreas copiadas no caben: el mapa tiene sitio para %d más (un mapa admite %d áreas).
No se ha pegado nada.</translation>
    </message>
</context>
</TS>
