<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>ControlColumn</name>
    <message>
        <source>Network size N: N by N terminals on the top face, N by N by N switches</source>
        <translation>Tamaño de la red N: N por N terminales en la cara superior, N por N por N conmutadores</translation>
    </message>
    <message>
        <source>N:</source>
        <translation>N:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The family of switches with %1</source>
        <translation>La familia de conmutadores con %1</translation>
    </message>
    <message>
        <source>Highlight the switches with %1</source>
        <translation>Resaltar los conmutadores con %1</translation>
    </message>
    <message>
        <source>Draw the plane %1</source>
        <translation>Dibujar el plano %1</translation>
    </message>
    <message>
        <source>Draw the plane %1 solid instead of dotted</source>
        <translation>Dibujar el plano %1 opaco en lugar de punteado</translation>
    </message>
    <message>
        <source>The offset %1 of the planes %2</source>
        <translation>El desplazamiento %1 de los planos %2</translation>
    </message>
    <message>
        <source>Route</source>
        <translation>Ruta</translation>
    </message>
    <message>
        <source>How a marked terminal&apos;s route is drawn: its own path or the whole wires it uses</source>
        <translation>Cómo se dibuja la ruta de un terminal marcado: su propio camino o los cables enteros que usa</translation>
    </message>
    <message>
        <source>path</source>
        <translation>camino</translation>
    </message>
    <message>
        <source>wire</source>
        <translation>cable</translation>
    </message>
    <message>
        <source>Wires</source>
        <translation>Cables</translation>
    </message>
    <message>
        <source>Which wires are drawn dashed: none, those every terminal&apos;s route uses, or all</source>
        <translation>Qué cables se dibujan discontinuos: ninguno, los que usan las rutas de todos los terminales, o todos</translation>
    </message>
    <message>
        <source>off</source>
        <translation>desactivado</translation>
    </message>
    <message>
        <source>used</source>
        <translation>usados</translation>
    </message>
    <message>
        <source>all</source>
        <translation>todos</translation>
    </message>
    <message>
        <source>Switches</source>
        <translation>Conmutadores</translation>
    </message>
    <message>
        <source>How switches are drawn: filled, as frames, or only where highlighted</source>
        <translation>Cómo se dibujan los conmutadores: rellenos, como contornos o solo donde están resaltados</translation>
    </message>
    <message>
        <source>fill</source>
        <translation>relleno</translation>
    </message>
    <message>
        <source>frame</source>
        <translation>contorno</translation>
    </message>
    <message>
        <source>hilite</source>
        <translation>resaltar</translation>
    </message>
    <message>
        <source>plane</source>
        <translation>plano</translation>
    </message>
    <message>
        <source>opaque</source>
        <translation>opaco</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>OpenGL here draws pictures of at most %1 × %1 pixels; a larger one can be exported for print or as SVG or PDF.</source>
        <translation>Aquí OpenGL dibuja imágenes de %1 × %1 píxeles como máximo; una imagen mayor puede exportarse para imprimir o como SVG o PDF.</translation>
    </message>
    <message>
        <source>The picture could not be drawn off screen.</source>
        <translation>No se pudo dibujar la imagen fuera de la pantalla.</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>&amp;Fit the model to the picture</source>
        <translation>&amp;Ajustar el modelo a la imagen</translation>
    </message>
    <message>
        <source>&amp;Caption: N, the offsets and the lesson&apos;s title</source>
        <translation>&amp;Pie de figura: N, los desplazamientos y el título de la lección</translation>
    </message>
    <message>
        <source>&amp;Legend: the marked routes, where each starts and ends</source>
        <translation>&amp;Leyenda: las rutas marcadas, dónde empieza y dónde termina cada una</translation>
    </message>
    <message>
        <source>Export Handout</source>
        <translation>Exportar material impreso</translation>
    </message>
    <message>
        <source>Export Image</source>
        <translation>Exportar imagen</translation>
    </message>
    <message>
        <source>PNG pictures in a folder, one per scene</source>
        <translation>Imágenes PNG en una carpeta, una por escena</translation>
    </message>
    <message>
        <source>SVG drawings in a folder, one per scene</source>
        <translation>Dibujos SVG en una carpeta, uno por escena</translation>
    </message>
    <message>
        <source>PDF handout, a page per scene with its title and notes</source>
        <translation>Material impreso en PDF, una página por escena con su título y sus notas</translation>
    </message>
    <message>
        <source>PNG picture</source>
        <translation>Imagen PNG</translation>
    </message>
    <message>
        <source>SVG drawing</source>
        <translation>Dibujo SVG</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>Documento PDF</translation>
    </message>
    <message>
        <source>As on screen (black)</source>
        <translation>Como en pantalla (negro)</translation>
    </message>
    <message>
        <source>For print (white)</source>
        <translation>Para imprimir (blanco)</translation>
    </message>
    <message>
        <source>Off: exactly what the window shows</source>
        <translation>Desactivado: exactamente lo que muestra la ventana</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>Pre&amp;determinado</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportar...</translation>
    </message>
    <message>
        <source>F&amp;ormat:</source>
        <translation>&amp;Formato:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Tamaño:</translation>
    </message>
    <message>
        <source>&amp;Background:</source>
        <translation>F&amp;ondo:</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>The page; default: A4 portrait</source>
        <translation>La página; predeterminado: A4 vertical</translation>
    </message>
    <message>
        <source>Default: A5 landscape</source>
        <translation>Predeterminado: A5 horizontal</translation>
    </message>
    <message>
        <source>Default: the view, %1 × %2 pixels</source>
        <translation>Predeterminado: la vista, %1 × %2 píxeles</translation>
    </message>
</context>
<context>
    <name>FigureExport</name>
    <message>
        <source>&amp;Export Image...</source>
        <translation>&amp;Exportar imagen...</translation>
    </message>
    <message>
        <source>Export &amp;Handout...</source>
        <translation>Exportar &amp;material impreso...</translation>
    </message>
    <message>
        <source>Every scene of the lesson: a PDF of a page each, or a folder of pictures</source>
        <translation>Todas las escenas de la lección: un PDF con una página por escena, o una carpeta de imágenes</translation>
    </message>
    <message>
        <source>&amp;Copy Image</source>
        <translation>&amp;Copiar imagen</translation>
    </message>
    <message>
        <source>PNG pictures (*.png);;Other pictures (*.jpg *.bmp *.ppm)</source>
        <translation>Imágenes PNG (*.png);;Otras imágenes (*.jpg *.bmp *.ppm)</translation>
    </message>
    <message>
        <source>SVG drawings (*.svg)</source>
        <translation>Dibujos SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Export Image</source>
        <translation>Exportar imagen</translation>
    </message>
    <message>
        <source>;;All files (*)</source>
        <translation>;;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Export Handout</source>
        <translation>Exportar material impreso</translation>
    </message>
    <message>
        <source> handout</source>
        <translation> material impreso</translation>
    </message>
    <message>
        <source>Export Handout: the folder for its files</source>
        <translation>Exportar material impreso: la carpeta para sus archivos</translation>
    </message>
    <message>
        <source>The handout could not be exported to %1:
%2</source>
        <translation>No se pudo exportar el material impreso a %1:
%2</translation>
    </message>
    <message>
        <source>The picture could not be exported to %1:
%2</source>
        <translation>No se pudo exportar la imagen a %1:
%2</translation>
    </message>
</context>
<context>
    <name>GLBox</name>
    <message>
        <source>3D view of the network</source>
        <translation>Vista 3D de la red</translation>
    </message>
</context>
<context>
    <name>GLObjectWindow</name>
    <message>
        <source>The lesson could not be opened.
%1</source>
        <translation>No se pudo abrir la lección.
%1</translation>
    </message>
    <message>
        <source>Transpose Switch</source>
        <translation>Transpose Switch</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Lesson &amp;Notes...</source>
        <translation>&amp;Notas de la lección...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Focus on Marked Routes</source>
        <translation>&amp;Enfocar las rutas marcadas</translation>
    </message>
    <message>
        <source>Draw the boxes that no marked route touches as faint frames</source>
        <translation>Dibujar como contornos tenues las cajas que no toca ninguna ruta marcada</translation>
    </message>
    <message>
        <source>&amp;Labels</source>
        <translation>E&amp;tiquetas</translation>
    </message>
    <message>
        <source>Routes</source>
        <translation>Rutas</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Mapa</translation>
    </message>
    <message>
        <source>Scenes</source>
        <translation>Escenas</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Pantalla completa</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Práctica</translation>
    </message>
    <message>
        <source>&amp;Practice</source>
        <translation>&amp;Práctica</translation>
    </message>
    <message>
        <source>&amp;Start Practice...</source>
        <translation>&amp;Iniciar práctica...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ayuda</translation>
    </message>
    <message>
        <source>Keys and Mouse</source>
        <translation>Teclas y ratón</translation>
    </message>
    <message>
        <source>Drag with any button</source>
        <translation>Arrastrar con cualquier botón</translation>
    </message>
    <message>
        <source>Turn the model (5 pixels make a degree)</source>
        <translation>Girar el modelo (5 píxeles equivalen a un grado)</translation>
    </message>
    <message>
        <source>Click with the left, middle or right button</source>
        <translation>Clic con el botón izquierdo, central o derecho</translation>
    </message>
    <message>
        <source>Toggle a red, green or blue mark on a terminal or switch</source>
        <translation>Poner o quitar una marca roja, verde o azul en un terminal o conmutador</translation>
    </message>
    <message>
        <source>Click on empty space, or Escape</source>
        <translation>Clic en un espacio vacío, o Escape</translation>
    </message>
    <message>
        <source>Clear every mark (Escape while stepping a route only ends the stepping)</source>
        <translation>Borrar todas las marcas (mientras se recorre una ruta paso a paso, Escape solo termina el recorrido)</translation>
    </message>
    <message>
        <source>Period, Comma, P</source>
        <translation>Period, Comma, P</translation>
    </message>
    <message>
        <source>Step the chosen route one leg further or back, play or pause it</source>
        <translation>Avanzar o retroceder un tramo en la ruta elegida, reproducirla o pausarla</translation>
    </message>
    <message>
        <source>Shift+drag with any button</source>
        <translation>Shift+arrastrar con cualquier botón</translation>
    </message>
    <message>
        <source>Move the picture in the view&apos;s plane</source>
        <translation>Mover la imagen en el plano de la vista</translation>
    </message>
    <message>
        <source>Mouse wheel</source>
        <translation>Rueda del ratón</translation>
    </message>
    <message>
        <source>Zoom in and out about the point under the pointer</source>
        <translation>Acercar y alejar en torno al punto bajo el puntero</translation>
    </message>
    <message>
        <source>+ and -</source>
        <translation>+ y -</translation>
    </message>
    <message>
        <source>Zoom in and out about the view&apos;s centre</source>
        <translation>Acercar y alejar en torno al centro de la vista</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>Teclas de flecha</translation>
    </message>
    <message>
        <source>Turn the model 5 degrees, as a drag of 25 pixels would; with Shift, 1 degree</source>
        <translation>Girar el modelo 5 grados, como lo haría un arrastre de 25 píxeles; con Shift, 1 grado</translation>
    </message>
    <message>
        <source>Ctrl+arrow keys</source>
        <translation>Ctrl+teclas de flecha</translation>
    </message>
    <message>
        <source>Move the picture by a twentieth of the view</source>
        <translation>Mover la imagen la vigésima parte de la vista</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Back to the start view: angles 0, 0, no zoom and no move</source>
        <translation>Volver a la vista inicial: ángulos 0, 0, sin zoom ni movimiento</translation>
    </message>
    <message>
        <source>Ctrl+Z, Ctrl+Shift+Z or Ctrl+Y</source>
        <translation>Ctrl+Z, Ctrl+Shift+Z o Ctrl+Y</translation>
    </message>
    <message>
        <source>Undo and redo changes of the marks, the size and the offsets</source>
        <translation>Deshacer y rehacer los cambios de las marcas, del tamaño y de los desplazamientos</translation>
    </message>
    <message>
        <source>Ctrl+N, Ctrl+O, Ctrl+S, Ctrl+Shift+S</source>
        <translation>Ctrl+N, Ctrl+O, Ctrl+S, Ctrl+Shift+S</translation>
    </message>
    <message>
        <source>New lesson, open a lesson, save it, save it as</source>
        <translation>Nueva lección, abrir una lección, guardarla, guardarla como</translation>
    </message>
    <message>
        <source>Ctrl+E, Ctrl+C</source>
        <translation>Ctrl+E, Ctrl+C</translation>
    </message>
    <message>
        <source>Export a figure (PNG, SVG or PDF), copy the picture to the clipboard</source>
        <translation>Exportar una figura (PNG, SVG o PDF), copiar la imagen al portapapeles</translation>
    </message>
    <message>
        <source>F11</source>
        <translation>F11</translation>
    </message>
    <message>
        <source>Full screen, for a projector</source>
        <translation>Pantalla completa, para un proyector</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>Present the lesson&apos;s scenes one after another, full screen; F5 or Escape leaves</source>
        <translation>Presentar las escenas de la lección una tras otra, a pantalla completa; F5 o Escape para salir</translation>
    </message>
    <message>
        <source>PageDown, Space, Right or a click on empty space</source>
        <translation>PageDown, Space, Right o un clic en un espacio vacío</translation>
    </message>
    <message>
        <source>While presenting: the next scene (PageUp, Left, Backspace: the one before; Home, End: the first, the last)</source>
        <translation>Durante la presentación: la escena siguiente (PageUp, Left, Backspace: la anterior; Home, End: la primera, la última)</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>&lt;p&gt;The keys work while the view has the keyboard focus (click it or Tab to it).&lt;/p&gt;</source>
        <translation>&lt;p&gt;Las teclas funcionan mientras la vista tiene el foco del teclado (haga clic en ella o llegue a ella con Tab).&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Acerca de...</translation>
    </message>
    <message>
        <source>Illustrates Tervain&apos;s Transpose Switch&lt;br&gt;Intended to illustrate the structure&lt;br&gt;and behavior of the switch network.&lt;br&gt;&lt;br&gt;Written By Orvel Stane&lt;br&gt;ostane@transpose-switch.invalid&lt;br&gt;&lt;br&gt;First draft: 12 hours&lt;br&gt;Added Features: 8 hours&lt;br&gt;Minor Adjustments: 0.5 hours&lt;br&gt;Total: 20.5 Hours</source>
        <translation>Ilustra el Transpose Switch de Tervain&lt;br&gt;Pensado para ilustrar la estructura&lt;br&gt;y el comportamiento de la red de conmutadores.&lt;br&gt;&lt;br&gt;Escrito por Orvel Stane&lt;br&gt;ostane@transpose-switch.invalid&lt;br&gt;&lt;br&gt;Primer borrador: 12 horas&lt;br&gt;Funciones añadidas: 8 horas&lt;br&gt;Ajustes menores: 0,5 horas&lt;br&gt;Total: 20,5 horas</translation>
    </message>
    <message>
        <source>Open Lesson</source>
        <translation>Abrir lección</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>Ar&amp;chivo</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Lan&amp;guage</source>
        <translation>&amp;Idioma</translation>
    </message>
</context>
<context>
    <name>Lesson</name>
    <message>
        <source>&quot;%1&quot; must be a whole number</source>
        <translation>«%1» debe ser un número entero</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be an object</source>
        <translation>«%1» debe ser un objeto</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a list</source>
        <translation>«%1» debe ser una lista</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a list of %2</source>
        <translation>«%1» debe ser una lista de %2 elementos</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a text</source>
        <translation>«%1» debe ser un texto</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be one of %2, not &quot;%3&quot;</source>
        <translation>«%1» debe ser uno de estos valores: %2; no «%3»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be from %2 to %3, not %4</source>
        <translation>«%1» debe estar entre %2 y %3, no %4</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be from %2 to %3 at size %3, not %4</source>
        <translation>«%1» debe estar entre %2 y %3 con el tamaño %3, no %4</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be true or false</source>
        <translation>«%1» debe ser true o false</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must name one &quot;terminal&quot; or one &quot;switch&quot;</source>
        <translation>«%1» debe nombrar un solo «terminal» o un solo «switch»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; lies outside the network of size %2</source>
        <translation>«%1» queda fuera de la red de tamaño %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no colour</source>
        <translation>«%1» no nombra ningún color</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be from 0 to %2, the legs of that route, not %3</source>
        <translation>«%1» debe estar entre 0 y %2, los tramos de esa ruta, no %3</translation>
    </message>
    <message>
        <source>&quot;%1[%2]&quot; must be a finite number</source>
        <translation>«%1[%2]» debe ser un número finito</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a number from %2 to %3</source>
        <translation>«%1» debe ser un número entre %2 y %3</translation>
    </message>
    <message>
        <source>&quot;%1[%2]&quot; must be a number from %3 to %4</source>
        <translation>«%1[%2]» debe ser un número entre %3 y %4</translation>
    </message>
    <message>
        <source>&quot;practice.seed&quot; must be from 0 to %1, not %2</source>
        <translation>«practice.seed» debe estar entre 0 y %1, no %2</translation>
    </message>
    <message>
        <source>&quot;practice.questions&quot; must be from 1 to %1, not %2</source>
        <translation>«practice.questions» debe estar entre 1 y %1, no %2</translation>
    </message>
    <message>
        <source>not a lesson: &quot;format&quot; must be &quot;%1&quot;</source>
        <translation>no es una lección: «format» debe ser «%1»</translation>
    </message>
    <message>
        <source>&quot;version&quot; is missing</source>
        <translation>falta «version»</translation>
    </message>
    <message>
        <source>made by a newer version of the program (lesson version %1)</source>
        <translation>procede de una versión más reciente del programa (versión de lección %1)</translation>
    </message>
    <message>
        <source>&quot;version&quot; must be 1 or 2</source>
        <translation>«version» debe ser 1 o 2</translation>
    </message>
    <message>
        <source>&quot;scenes&quot; must be a list of at least one object</source>
        <translation>«scenes» debe ser una lista de al menos un objeto</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>línea %1, columna %2</translation>
    </message>
    <message>
        <source>not JSON: %1 at %2</source>
        <translation>no es JSON: %1 en %2</translation>
    </message>
    <message>
        <source>not a lesson: the file holds no JSON object</source>
        <translation>no es una lección: el archivo no contiene ningún objeto JSON</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>el nombre de archivo está vacío</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>no existe ese archivo</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>no se puede leer: %1</translation>
    </message>
    <message>
        <source>is a folder, not a lesson</source>
        <translation>es una carpeta, no una lección</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>is larger than 1 MiB, too large for a lesson</source>
        <translation>ocupa más de 1 MiB, demasiado para una lección</translation>
    </message>
</context>
<context>
    <name>LessonFiles</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;reciente</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>Open Lesson</source>
        <translation>Abrir lección</translation>
    </message>
    <message>
        <source>&amp;Example Lessons</source>
        <translation>&amp;Lecciones de ejemplo</translation>
    </message>
    <message>
        <source>Lessons (*.%1);;All files (*)</source>
        <translation>Lecciones (*.%1);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The lesson could not be opened.
%1</source>
        <translation>No se pudo abrir la lección.
%1</translation>
    </message>
    <message>
        <source>lesson</source>
        <translation>lección</translation>
    </message>
    <message>
        <source>Save Lesson</source>
        <translation>Guardar lección</translation>
    </message>
    <message>
        <source>The lesson could not be saved.
%1</source>
        <translation>No se pudo guardar la lección.
%1</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>Cambios sin guardar</translation>
    </message>
    <message>
        <source>The lesson &quot;%1&quot; has changes that are not saved.
Save them first?</source>
        <translation>La lección «%1» tiene cambios sin guardar.
¿Desea guardarlos primero?</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>&amp;%1 %2</source>
        <translation>&amp;%1 %2</translation>
    </message>
</context>
<context>
    <name>LessonNotes</name>
    <message>
        <source>Lesson Notes</source>
        <translation>Notas de la lección</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Título:</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>&amp;Notas:</translation>
    </message>
    <message>
        <source>Scene %1 t&amp;itle:</source>
        <translation>Título de la &amp;escena %1:</translation>
    </message>
    <message>
        <source>Scene %1 n&amp;otes:</source>
        <translation>N&amp;otas de la escena %1:</translation>
    </message>
    <message>
        <source>&amp;Practice set: the same questions for every student</source>
        <translation>Serie de &amp;práctica: las mismas preguntas para todos los estudiantes</translation>
    </message>
    <message>
        <source>small</source>
        <translation>pequeño</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>mediano</translation>
    </message>
    <message>
        <source>large</source>
        <translation>grande</translation>
    </message>
    <message>
        <source>S&amp;eed:</source>
        <translation>&amp;Semilla:</translation>
    </message>
    <message>
        <source>&amp;Level:</source>
        <translation>Ni&amp;vel:</translation>
    </message>
    <message>
        <source>&amp;Questions:</source>
        <translation>Pre&amp;guntas:</translation>
    </message>
    <message>
        <source>Edit Lesson Notes</source>
        <translation>Editar notas de la lección</translation>
    </message>
</context>
<context>
    <name>NetworkDocument</name>
    <message>
        <source>Edit Lesson Notes</source>
        <translation>Editar notas de la lección</translation>
    </message>
    <message>
        <source>Change Practice Set</source>
        <translation>Cambiar serie de práctica</translation>
    </message>
    <message>
        <source>Add Scene</source>
        <translation>Añadir escena</translation>
    </message>
    <message>
        <source>Duplicate Scene</source>
        <translation>Duplicar escena</translation>
    </message>
    <message>
        <source>Delete Scene</source>
        <translation>Eliminar escena</translation>
    </message>
    <message>
        <source>Move Scene</source>
        <translation>Mover escena</translation>
    </message>
    <message>
        <source>Rename Scene</source>
        <translation>Cambiar el nombre de la escena</translation>
    </message>
    <message>
        <source>Change Size</source>
        <translation>Cambiar tamaño</translation>
    </message>
    <message>
        <source>Change %1</source>
        <translation>Cambiar %1</translation>
    </message>
    <message>
        <source>Mark Terminal</source>
        <translation>Marcar terminal</translation>
    </message>
    <message>
        <source>Mark Switch</source>
        <translation>Marcar conmutador</translation>
    </message>
    <message>
        <source>Clear Marks</source>
        <translation>Borrar marcas</translation>
    </message>
</context>
<context>
    <name>Practice</name>
    <message>
        <source>Where does terminal %1 arrive?</source>
        <translation>¿Adónde llega el terminal %1?</translation>
    </message>
    <message>
        <source>At which level does the route of terminal %1 turn?</source>
        <translation>¿En qué nivel gira la ruta del terminal %1?</translation>
    </message>
    <message>
        <source>Which family ends the route of terminal %1?</source>
        <translation>¿En qué familia muere la ruta del terminal %1?</translation>
    </message>
    <message>
        <source>Which terminal arrives at %1?</source>
        <translation>¿Qué terminal llega a %1?</translation>
    </message>
    <message>
        <source>Set c1, c2 and c3 so that terminal %1 arrives at %2.</source>
        <translation>Ajuste c1, c2 y c3 para que el terminal %1 llegue a %2.</translation>
    </message>
    <message>
        <source>Check each turn in order: one of the families has no switch for this route.</source>
        <translation>Compruebe cada giro por orden: una de las familias no tiene ningún conmutador para esta ruta.</translation>
    </message>
    <message>
        <source>It does arrive: every family has a switch for it.</source>
        <translation>Sí que llega: cada familia tiene un conmutador para ella.</translation>
    </message>
    <message>
        <source>The column is not right: the run along x ends where j = i + c2 holds.</source>
        <translation>La columna no es correcta: el recorrido a lo largo de x termina donde se cumple j = i + c2.</translation>
    </message>
    <message>
        <source>The row is not right: the run along z ends where k = j + c3 holds.</source>
        <translation>La fila no es correcta: el recorrido a lo largo de z termina donde se cumple k = j + c3.</translation>
    </message>
    <message>
        <source>The route goes down until i = k + c1 holds, if some level k in the network does that.</source>
        <translation>La ruta baja hasta que se cumple i = k + c1, si algún nivel k de la red lo cumple.</translation>
    </message>
    <message>
        <source>Follow the turns in order: the i = k + c1 family first, then j = i + c2, then k2 = j + c3.</source>
        <translation>Siga los giros por orden: primero la familia i = k + c1, después j = i + c2 y después k2 = j + c3.</translation>
    </message>
    <message>
        <source>Work backwards: terminal (i, j) arrives at (j - c2, i - c1 - c3) when every turn is in the network.</source>
        <translation>Razone hacia atrás: el terminal (i, j) llega a (j - c2, i - c1 - c3) cuando todos los giros están dentro de la red.</translation>
    </message>
    <message>
        <source>With these offsets the route dies: the %1 family has no switch for it.</source>
        <translation>Con estos desplazamientos la ruta muere: la familia %1 no tiene ningún conmutador para ella.</translation>
    </message>
    <message>
        <source>With these offsets it arrives at %1: the column follows from c2, the row from c1 and c3.</source>
        <translation>Con estos desplazamientos llega a %1: la columna se deduce de c2, y la fila, de c1 y c3.</translation>
    </message>
    <message>
        <source>for example %1: %2</source>
        <extracomment>%1 offsets &quot;c1 = 1, c2 = 0, c3 = 2&quot;, %2 the route&apos;s description</extracomment>
        <translation>por ejemplo %1: %2</translation>
    </message>
    <message>
        <source>no terminal arrives at %1: no (i, j) in the network has j - c2 = %2 and i - c1 - c3 = %3 with every turn inside it.</source>
        <translation>ningún terminal llega a %1: ningún (i, j) de la red cumple j - c2 = %2 e i - c1 - c3 = %3 con todos los giros dentro de ella.</translation>
    </message>
    <message>
        <source>Where does it arrive</source>
        <translation>Adónde llega</translation>
    </message>
    <message>
        <source>Where does it turn</source>
        <translation>Dónde gira</translation>
    </message>
    <message>
        <source>Which family ends it</source>
        <translation>En qué familia muere</translation>
    </message>
    <message>
        <source>Which terminal arrives</source>
        <translation>Qué terminal llega</translation>
    </message>
    <message>
        <source>Set the offsets</source>
        <translation>Ajustar los desplazamientos</translation>
    </message>
</context>
<context>
    <name>PracticePanel</name>
    <message>
        <source>The seed: the same seed and level give the same questions</source>
        <translation>La semilla: con la misma semilla y el mismo nivel salen las mismas preguntas</translation>
    </message>
    <message>
        <source>small</source>
        <translation>pequeño</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>mediano</translation>
    </message>
    <message>
        <source>large</source>
        <translation>grande</translation>
    </message>
    <message>
        <source>small: N = 3 to 5, at most one offset; medium: N = 4 to 8; large: N = 8 to 15</source>
        <translation>pequeño: N = 3 a 5, como máximo un desplazamiento; mediano: N = 4 a 8; grande: N = 8 a 15</translation>
    </message>
    <message>
        <source>&amp;Seed:</source>
        <translation>&amp;Semilla:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Column i of your answer</source>
        <translation>Columna i de su respuesta</translation>
    </message>
    <message>
        <source>Row j of your answer</source>
        <translation>Fila j de su respuesta</translation>
    </message>
    <message>
        <source>Level k of your answer</source>
        <translation>Nivel k de su respuesta</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Comprobar</translation>
    </message>
    <message>
        <source>It dies</source>
        <translation>Muere</translation>
    </message>
    <message>
        <source>none: it arrives</source>
        <translation>ninguna: llega</translation>
    </message>
    <message>
        <source>Next question</source>
        <translation>Siguiente pregunta</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Your name, for the summary you hand in</source>
        <translation>Su nombre, para el resumen que entregará</translation>
    </message>
    <message>
        <source>Student&apos;s name</source>
        <translation>Nombre del estudiante</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>Summary of the round</source>
        <translation>Resumen de la ronda</translation>
    </message>
    <message>
        <source>Copy Summary</source>
        <translation>Copiar resumen</translation>
    </message>
    <message>
        <source>Save Summary...</source>
        <translation>Guardar resumen...</translation>
    </message>
    <message>
        <source>This lesson&apos;s practice set: 1 question, seed %1, %2.</source>
        <translation>Serie de práctica de esta lección: 1 pregunta, semilla %1, %2.</translation>
    </message>
    <message>
        <source>This lesson&apos;s practice set: %1 questions, seed %2, %3.</source>
        <translation>Serie de práctica de esta lección: %1 preguntas, semilla %2, %3.</translation>
    </message>
    <message>
        <source>Every student who starts it gets the same questions.</source>
        <translation>Todos los estudiantes que la inician reciben las mismas preguntas.</translation>
    </message>
    <message>
        <source>Practice question</source>
        <translation>Pregunta de práctica</translation>
    </message>
    <message>
        <source>None arrives</source>
        <translation>No llega ninguno</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>%1 of %2 right</source>
        <translation>%1 de %2 correctas</translation>
    </message>
    <message>
        <source>Press Start for the lesson&apos;s questions about the network.</source>
        <translation>Pulse Iniciar para recibir las preguntas de la lección sobre la red.</translation>
    </message>
    <message>
        <source>Choose a seed and a level and press Start: ten questions about the network.</source>
        <translation>Elija una semilla y un nivel y pulse Iniciar: diez preguntas sobre la red.</translation>
    </message>
    <message>
        <source>Question %1 of %2 (%3): </source>
        <translation>Pregunta %1 de %2 (%3): </translation>
    </message>
    <message>
        <source> Use the offset boxes on the left, then Check.</source>
        <translation> Use las casillas de desplazamiento de la izquierda y después pulse Comprobar.</translation>
    </message>
    <message>
        <source>Right. </source>
        <translation>Correcto. </translation>
    </message>
    <message>
        <source>Right, on the second try: counted as missed. </source>
        <translation>Correcto, al segundo intento: cuenta como fallada. </translation>
    </message>
    <message>
        <source>Not quite: try once more. </source>
        <translation>No del todo: inténtelo otra vez. </translation>
    </message>
    <message>
        <source>Not quite: </source>
        <translation>No del todo: </translation>
    </message>
    <message>
        <source>Practice answer</source>
        <translation>Respuesta de práctica</translation>
    </message>
    <message>
        <source>Seed %1, %2: %3 of %4 right</source>
        <translation>Semilla %1, %2: %3 de %4 correctas</translation>
    </message>
    <message>
        <source>%1: %2 right, %3 wrong</source>
        <translation>%1: %2 correctas, %3 incorrectas</translation>
    </message>
    <message>
        <source>Missed %1: %2 (%3)</source>
        <translation>Fallada %1: %2 (%3)</translation>
    </message>
    <message>
        <source>Press Enter or double-click to see its route again</source>
        <translation>Pulse Enter o haga doble clic para volver a ver su ruta</translation>
    </message>
    <message>
        <source>The round is over: %1 of %2 right.</source>
        <translation>La ronda ha terminado: %1 de %2 correctas.</translation>
    </message>
    <message>
        <source>Student: %1</source>
        <translation>Estudiante: %1</translation>
    </message>
    <message>
        <source>Lesson: %1</source>
        <translation>Lección: %1</translation>
    </message>
    <message>
        <source>practice</source>
        <translation>práctica</translation>
    </message>
    <message>
        <source>practice %1</source>
        <translation>práctica %1</translation>
    </message>
    <message>
        <source>Save Summary</source>
        <translation>Guardar resumen</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Archivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>The summary could not be saved to %1:
%2</source>
        <translation>No se pudo guardar el resumen en %1:
%2</translation>
    </message>
</context>
<context>
    <name>Presenter</name>
    <message>
        <source>&amp;Present</source>
        <translation>P&amp;resentar</translation>
    </message>
    <message>
        <source>Smooth &amp;Transitions</source>
        <translation>Transiciones &amp;suaves</translation>
    </message>
    <message>
        <source>Show the scenes one after another, full screen</source>
        <translation>Mostrar las escenas una tras otra, a pantalla completa</translation>
    </message>
    <message>
        <source>Presenter</source>
        <translation>Presentador</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>%1 / %2  %3</source>
        <translation>%1 / %2  %3</translation>
    </message>
    <message>
        <source>Scene %1</source>
        <translation>Escena %1</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Next:&lt;/b&gt; %1&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Siguiente:&lt;/b&gt; %1&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Next:&lt;/b&gt; the end&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Siguiente:&lt;/b&gt; el final&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>cannot be saved: %1</source>
        <translation>no se puede guardar: %1</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>el nombre de archivo está vacío</translation>
    </message>
    <message>
        <source>is a folder, not a file</source>
        <translation>es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>The drawing could not be started.</source>
        <translation>No se pudo empezar el dibujo.</translation>
    </message>
    <message>
        <source>The drawing could not be finished.</source>
        <translation>No se pudo terminar el dibujo.</translation>
    </message>
    <message>
        <source>The document could not be started.</source>
        <translation>No se pudo empezar el documento.</translation>
    </message>
    <message>
        <source>The document could not be finished.</source>
        <translation>No se pudo terminar el documento.</translation>
    </message>
    <message>
        <source>The figure has no size.</source>
        <translation>La figura no tiene tamaño.</translation>
    </message>
    <message>
        <source>There is not enough memory for a picture of %1 x %2 pixels.</source>
        <translation>No hay memoria suficiente para una imagen de %1 x %2 píxeles.</translation>
    </message>
    <message>
        <source>A picture is not drawn as vectors.</source>
        <translation>Una imagen de píxeles no se dibuja con vectores.</translation>
    </message>
    <message>
        <source>The page has no size.</source>
        <translation>La página no tiene tamaño.</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>The lesson has no scenes.</source>
        <translation>La lección no tiene escenas.</translation>
    </message>
    <message>
        <source>is not a folder</source>
        <translation>no es una carpeta</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>no se puede crear la carpeta</translation>
    </message>
    <message>
        <source>Pictures cannot be saved as &quot;%1&quot;.</source>
        <translation>No se pueden guardar imágenes como «%1».</translation>
    </message>
</context>
<context>
    <name>RouteMapModel</name>
    <message>
        <source>i = %1</source>
        <translation>i = %1</translation>
    </message>
    <message>
        <source>j = %1</source>
        <translation>j = %1</translation>
    </message>
</context>
<context>
    <name>RouteMapPage</name>
    <message>
        <source>Where each terminal arrives</source>
        <translation>Adónde llega cada terminal</translation>
    </message>
    <message>
        <source>Columns i, rows j; a route dies at the family named: %1</source>
        <translation>Columnas i, filas j; una ruta muere en la familia indicada: %1</translation>
    </message>
    <message>
        <source>hidden during the question</source>
        <translation>no se muestra durante la pregunta</translation>
    </message>
</context>
<context>
    <name>RouteStepper</name>
    <message>
        <source>Choose a marked route and step through it with ▶| or play it with ▶.</source>
        <translation>Elija una ruta marcada y recórrala paso a paso con ▶| o reprodúzcala con ▶.</translation>
    </message>
</context>
<context>
    <name>RouteText</name>
    <message>
        <source>unmarked</source>
        <translation>sin marcar</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rojo</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>red + green</source>
        <translation>rojo + verde</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>red + blue</source>
        <translation>rojo + azul</translation>
    </message>
    <message>
        <source>green + blue</source>
        <translation>verde + azul</translation>
    </message>
    <message>
        <source>red + green + blue</source>
        <translation>rojo + verde + azul</translation>
    </message>
    <message>
        <source>terminal %1: %2.</source>
        <extracomment>%1 the start terminal &quot;(1, 3)&quot;, then the route&apos;s legs in order</extracomment>
        <translation>terminal %1: %2.</translation>
    </message>
    <message>
        <source>terminal %1: %2; %3.</source>
        <extracomment>%1 the start terminal &quot;(1, 3)&quot;, then the route&apos;s legs in order</extracomment>
        <translation>terminal %1: %2; %3.</translation>
    </message>
    <message>
        <source>terminal %1: %2; %3; %4.</source>
        <extracomment>%1 the start terminal &quot;(1, 3)&quot;, then the route&apos;s legs in order</extracomment>
        <translation>terminal %1: %2; %3; %4.</translation>
    </message>
    <message>
        <source>terminal %1: %2; %3; %4; %5.</source>
        <extracomment>%1 the start terminal &quot;(1, 3)&quot;, then the route&apos;s legs in order</extracomment>
        <translation>terminal %1: %2; %3; %4; %5.</translation>
    </message>
    <message>
        <source>dies at once: no level k in 0..%1 with %2 = %3 %4</source>
        <translation>muere de inmediato: ningún nivel k en 0..%1 con %2 = %3 %4</translation>
    </message>
    <message>
        <source>then dies: no column i in 0..%1 with %2 = %3 %4</source>
        <translation>después muere: ninguna columna i en 0..%1 con %2 = %3 %4</translation>
    </message>
    <message>
        <source>then dies: no row j in 0..%1 with %2 = %3 %4</source>
        <translation>después muere: ninguna fila j en 0..%1 con %2 = %3 %4</translation>
    </message>
    <message>
        <source>down to level k = %1 at switch %2 %3</source>
        <translation>baja al nivel k = %1 en el conmutador %2 %3</translation>
    </message>
    <message>
        <source>along x to i1 = %1 at switch %2 %3</source>
        <translation>a lo largo de x hasta i1 = %1 en el conmutador %2 %3</translation>
    </message>
    <message>
        <source>along z to j1 = %1 at switch %2 %3</source>
        <translation>a lo largo de z hasta j1 = %1 en el conmutador %2 %3</translation>
    </message>
    <message>
        <source>up to terminal %1, where it arrives</source>
        <translation>sube al terminal %1, donde llega</translation>
    </message>
    <message numerus="yes">
        <source>step %1 of %n: at terminal %2</source>
        <translation>
            <numerusform>paso %1 de %n: en el terminal %2</numerusform>
            <numerusform>paso %1 de %n: en el terminal %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>step %1 of %n: %2</source>
        <extracomment>%2 one leg of the route, as in &quot;down to level k = 1 at switch (1, 3, 1) [i = k + c1]&quot;</extracomment>
        <translation>
            <numerusform>paso %1 de %n: %2</numerusform>
            <numerusform>paso %1 de %n: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>terminal %1</source>
        <translation>terminal %1</translation>
    </message>
    <message>
        <source>terminal %1: its route arrives at terminal %2</source>
        <translation>terminal %1: su ruta llega al terminal %2</translation>
    </message>
    <message>
        <source>terminal %1: its route dies at %2</source>
        <translation>terminal %1: su ruta muere en %2</translation>
    </message>
    <message>
        <source>%1; marked %2</source>
        <extracomment>%1 what is said of the box so far, %2 colours such as &quot;red + blue&quot;</extracomment>
        <translation>%1; marcado en %2</translation>
    </message>
    <message>
        <source>%1; reached by %2</source>
        <extracomment>%1 what is said of the terminal so far, %2 colours such as &quot;red + blue&quot;</extracomment>
        <translation>%1; alcanzado por %2</translation>
    </message>
    <message>
        <source>switch %1</source>
        <translation>conmutador %1</translation>
    </message>
    <message>
        <source>switch %1: on no family</source>
        <translation>conmutador %1: en ninguna familia</translation>
    </message>
    <message>
        <source>switch %1: on %2</source>
        <translation>conmutador %1: en %2</translation>
    </message>
    <message>
        <source>%1; marked routes turn here: from %2</source>
        <extracomment>%1 what is said of the switch so far, %2 start terminals &quot;(1, 3), (0, 0)&quot;</extracomment>
        <translation>%1; aquí giran rutas marcadas: desde %2</translation>
    </message>
    <message>
        <source>dies: %1</source>
        <translation>muere: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n terminals arrive; %2: %3</source>
        <extracomment>%1 how many arrive, %2 the offsets &quot;c1 = 1, c2 = -1, c3 = 2&quot;, %3 where (i, j) goes</extracomment>
        <translation>
            <numerusform>terminales que llegan: %1 de %n; %2: %3</numerusform>
            <numerusform>terminales que llegan: %1 de %n; %2: %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n terminal marked</source>
        <translation>
            <numerusform>%n terminal marcado</numerusform>
            <numerusform>%n terminales marcados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n terminals marked</source>
        <translation>
            <numerusform>%n terminal marcado</numerusform>
            <numerusform>%n terminales marcados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n arrives</source>
        <translation>
            <numerusform>%n llega</numerusform>
            <numerusform>%n llegan</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n arrive</source>
        <translation>
            <numerusform>%n llega</numerusform>
            <numerusform>%n llegan</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n dies</source>
        <translation>
            <numerusform>%n muere</numerusform>
            <numerusform>%n mueren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n die</source>
        <translation>
            <numerusform>%n muere</numerusform>
            <numerusform>%n mueren</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; %2: %3, %4.</source>
        <extracomment>%1 &quot;N = 4, c1 = 0, ...&quot;, %2 &quot;2 terminals marked&quot;, %3 &quot;1 arrives&quot;, %4 &quot;1 dies&quot;</extracomment>
        <translation>%1; %2: %3 y %4.</translation>
    </message>
</context>
<context>
    <name>RoutesPanel</name>
    <message>
        <source>Lesson notes</source>
        <translation>Notas de la lección</translation>
    </message>
    <message>
        <source>Marked terminals and their routes</source>
        <translation>Terminales marcados y sus rutas</translation>
    </message>
    <message>
        <source>Focus on the marked routes</source>
        <translation>Enfocar las rutas marcadas</translation>
    </message>
    <message>
        <source>Destinations and marked switches</source>
        <translation>Destinos y conmutadores marcados</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Marcar</translation>
    </message>
    <message>
        <source>Column i of the terminal or switch to mark</source>
        <translation>Columna i del terminal o conmutador que se marcará</translation>
    </message>
    <message>
        <source>Row j of the terminal or switch to mark</source>
        <translation>Fila j del terminal o conmutador que se marcará</translation>
    </message>
    <message>
        <source>Level k of the switch to mark, or top for a terminal</source>
        <translation>Nivel k del conmutador que se marcará, o «arriba» para un terminal</translation>
    </message>
    <message>
        <source>top</source>
        <translation>arriba</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Toggle a %1 mark, as a click with the %2 button would</source>
        <translation>Poner o quitar una marca de color %1, como lo haría un clic con el botón %2</translation>
    </message>
    <message>
        <source>left</source>
        <translation>izquierdo</translation>
    </message>
    <message>
        <source>middle</source>
        <translation>central</translation>
    </message>
    <message>
        <source>right</source>
        <translation>derecho</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Borrar todo</translation>
    </message>
    <message>
        <source>Clear every mark, as a click on empty space would</source>
        <translation>Borrar todas las marcas, como lo haría un clic en un espacio vacío</translation>
    </message>
    <message>
        <source>Back to the start of the route</source>
        <translation>Volver al inicio de la ruta</translation>
    </message>
    <message>
        <source>One leg back (Comma)</source>
        <translation>Un tramo atrás (Comma)</translation>
    </message>
    <message>
        <source>Play the route leg by leg, or pause (P)</source>
        <translation>Reproducir la ruta tramo a tramo, o pausar (P)</translation>
    </message>
    <message>
        <source>One leg further (Period)</source>
        <translation>Un tramo adelante (Period)</translation>
    </message>
    <message>
        <source>Legs per second while playing, 0.5 to 4</source>
        <translation>Tramos por segundo durante la reproducción, de 0,5 a 4</translation>
    </message>
    <message>
        <source>terminal (%1, %2) is reached by %3</source>
        <translation>terminal (%1, %2), alcanzado por %3</translation>
    </message>
    <message>
        <source>No route arrives.</source>
        <translation>No llega ninguna ruta.</translation>
    </message>
    <message>
        <source>switch (%1, %2, %3) is marked %4</source>
        <translation>conmutador (%1, %2, %3), marcado en %4</translation>
    </message>
    <message>
        <source>No switch is marked.</source>
        <translation>No hay ningún conmutador marcado.</translation>
    </message>
    <message>
        <source>No terminal is marked: click one, or use the form below.</source>
        <translation>No hay ningún terminal marcado: haga clic en uno o use el formulario de abajo.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>SceneListModel</name>
    <message>
        <source>Scene %1</source>
        <translation>Escena %1</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
</context>
<context>
    <name>ScenesPanel</name>
    <message>
        <source>The lesson&apos;s scenes: choose one to show it</source>
        <translation>Las escenas de la lección: elija una para mostrarla</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Add a scene showing what the view shows now</source>
        <translation>Añadir una escena con lo que muestra ahora la vista</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicar</translation>
    </message>
    <message>
        <source>Copy the scene, with its title and notes</source>
        <translation>Copiar la escena, con su título y sus notas</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Delete the scene</source>
        <translation>Eliminar la escena</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move the scene one place earlier</source>
        <translation>Mover la escena un puesto hacia delante</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Move the scene one place later</source>
        <translation>Mover la escena un puesto hacia atrás</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Cambiar nombre</translation>
    </message>
    <message>
        <source>Give the scene a title</source>
        <translation>Poner un título a la escena</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Turn a 3D model of the Transpose Switch network and follow its routes.</source>
        <translation>Gire un modelo 3D de la red Transpose Switch y siga sus rutas.</translation>
    </message>
    <message>
        <source>Write the picture of the lesson (or of the start) to FILE and exit.</source>
        <translation>Escribir en FILE la imagen de la lección (o la de la vista inicial) y salir.</translation>
    </message>
    <message>
        <source>The exported picture&apos;s size: pixels, or millimetres for PDF.</source>
        <translation>El tamaño de la imagen exportada: en píxeles, o en milímetros para PDF.</translation>
    </message>
    <message>
        <source>screen (black, the default) or print (white) for --export.</source>
        <translation>screen (negro, el predeterminado) o print (blanco) para --export.</translation>
    </message>
    <message>
        <source>Put N, the offsets and the lesson&apos;s title under the exported picture.</source>
        <translation>Poner N, los desplazamientos y el título de la lección debajo de la imagen exportada.</translation>
    </message>
    <message>
        <source>List the marked routes beside the exported picture.</source>
        <translation>Enumerar las rutas marcadas junto a la imagen exportada.</translation>
    </message>
    <message>
        <source>Export exactly what the window shows instead of fitting the model to the picture.</source>
        <translation>Exportar exactamente lo que muestra la ventana en lugar de ajustar el modelo a la imagen.</translation>
    </message>
    <message>
        <source>Name the axes and number the indices in the exported picture, as View → Labels does.</source>
        <translation>Nombrar los ejes y numerar los índices en la imagen exportada, como hace Ver → Etiquetas.</translation>
    </message>
    <message>
        <source>Draw the boxes no marked route touches as faint frames in the exported picture, as View → Focus on Marked Routes does.</source>
        <translation>Dibujar como contornos tenues, en la imagen exportada, las cajas que no toca ninguna ruta marcada, como hace Ver → Enfocar las rutas marcadas.</translation>
    </message>
    <message>
        <source>Export every scene of the lesson: a PDF of a page each (the figure, the scene&apos;s title and notes), or with --format svg or png a folder of numbered files. For print unless --background says otherwise.</source>
        <translation>Exportar todas las escenas de la lección: un PDF con una página por escena (la figura, el título y las notas de la escena) o, con --format svg o png, una carpeta de archivos numerados. Para imprimir, salvo que --background indique otra cosa.</translation>
    </message>
    <message>
        <source>pdf, svg or png: what --handout writes (by default PDF, for a FILE ending in .pdf).</source>
        <translation>pdf, svg o png: lo que escribe --handout (por defecto PDF, para un FILE que termina en .pdf).</translation>
    </message>
    <message>
        <source>Start in practice with this seed.</source>
        <translation>Empezar en modo práctica con esta semilla.</translation>
    </message>
    <message>
        <source>The practice level: small, medium or large.</source>
        <translation>El nivel de la práctica: small, medium o large.</translation>
    </message>
    <message>
        <source>A lesson file (.tslesson) to open.</source>
        <translation>Un archivo de lección (.tslesson) que se abrirá.</translation>
    </message>
    <message>
        <source>one lesson at a time, not %1</source>
        <translation>una lección cada vez, no %1</translation>
    </message>
    <message>
        <source>--%1 goes with --export</source>
        <translation>--%1 se usa con --export</translation>
    </message>
    <message>
        <source>--format goes with --handout</source>
        <translation>--format se usa con --handout</translation>
    </message>
    <message>
        <source>--level goes with --practice</source>
        <translation>--level se usa con --practice</translation>
    </message>
    <message>
        <source>--practice takes a whole number, not &quot;%1&quot;</source>
        <translation>--practice requiere un número entero, no «%1»</translation>
    </message>
    <message>
        <source>--level must be small, medium or large, not &quot;%1&quot;</source>
        <translation>--level debe ser small, medium o large, no «%1»</translation>
    </message>
    <message>
        <source>--export needs a file name, and the one given is empty</source>
        <translation>--export necesita un nombre de archivo, y el indicado está vacío</translation>
    </message>
    <message>
        <source>--background must be print or screen, not &quot;%1&quot;</source>
        <translation>--background debe ser print o screen, no «%1»</translation>
    </message>
    <message>
        <source>--format must be pdf, svg or png, not &quot;%1&quot;</source>
        <translation>--format debe ser pdf, svg o png, no «%1»</translation>
    </message>
    <message>
        <source>--handout writes a .pdf file, or a folder with --format svg or png</source>
        <translation>--handout escribe un archivo .pdf, o una carpeta con --format svg o png</translation>
    </message>
    <message>
        <source>--image-size must be WIDTHxHEIGHT, each 1 to %1, not &quot;%2&quot;</source>
        <translation>--image-size debe ser ANCHOxALTO, cada uno de 1 a %1, no «%2»</translation>
    </message>
    <message>
        <source>The language for this run: %1.</source>
        <translation>El idioma de esta ejecución: %1.</translation>
    </message>
    <message>
        <source>--lang must be one of %1, not &quot;%2&quot;</source>
        <translation>--lang debe ser uno de %1, no «%2»</translation>
    </message>
</context>
</TS>
