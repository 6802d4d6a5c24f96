# Writes sample.qgs beside this file: both sample layers with the canvas zoomed in on the
# market square, so that a zoom to the full extent visibly changes the view.
# Run: QT_QPA_PLATFORM=offscreen /usr/bin/python3 write-project.py
import os
import sys

from qgis.core import QgsApplication, QgsCoordinateReferenceSystem, QgsProject, QgsRectangle, QgsVectorLayer
from qgis.gui import QgsMapCanvas
from qgis.PyQt.QtGui import QColor

here = os.path.dirname(os.path.abspath(__file__))
app = QgsApplication([], True)
app.initQgis()
project = QgsProject.instance()
project.setCrs(QgsCoordinateReferenceSystem("EPSG:4326"))
canvas = QgsMapCanvas()  # the canvas writes the view (<mapcanvas>) into the project file
canvas.setObjectName("theMapCanvas")
canvas.resize(1000, 700)
for name, colour in (("blocks", QColor(224, 196, 148)), ("paths", QColor(70, 110, 190))):
    layer = QgsVectorLayer(os.path.join(here, name + ".geojson"), name, "ogr")
    if not layer.isValid():
        sys.exit("cannot read " + name + ".geojson")
    layer.renderer().symbol().setColor(colour)
    project.addMapLayer(layer)
canvas.setDestinationCrs(project.crs())
canvas.setLayers(list(project.mapLayers().values()))
canvas.setExtent(QgsRectangle(13.399, 52.499, 13.413, 52.509))
project.write(os.path.join(here, "sample.qgs"))
app.exitQgis()
if os.path.exists(os.path.join(here, "sample.qgs~")):  # QGIS's backup of the previous file
    os.remove(os.path.join(here, "sample.qgs~"))
