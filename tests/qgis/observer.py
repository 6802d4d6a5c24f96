# Strokewheel - run by QGIS at start-up (--code): writes what a user sees into the folder
# $SW_OBSERVE for the shell tests: the active map tool's action, the message bar's texts and
# the plugin's menu entry, and in "triggered" each run of an action SW_COUNTED names. SW_TOOLS
# names actions to choose first, one after the other.
import os
from qgis.PyQt.QtWidgets import QAction
from qgis.core import QgsApplication, QgsProject
from qgis.utils import iface

folder = os.environ["SW_OBSERVE"]


def write(name, text, mode="w"):
    with open(os.path.join(folder, name), mode) as file:
        file.write(text + "\n")


def tool_set(tool, *_):
    action = tool.action() if tool else None
    write("tool", action.objectName() if action else type(tool).__name__)


iface.mapCanvas().mapToolSet.connect(tool_set)
bar = iface.messageBar()
bar.widgetAdded.connect(lambda _: write("messages", bar.currentItem().title() + ": " + bar.currentItem().text(), "a"))
QgsApplication.messageLog().messageReceived.connect(
    lambda text, tag, level: tag == "Python error" and write("messages", text, "a"))
entry = iface.mainWindow().findChild(QAction, "mActionStrokewheelGestures")
write("menu-entry", entry.text() if entry else "")
# Digitising needs a layer in editing.
paths = QgsProject.instance().mapLayersByName("paths")[0]
iface.setActiveLayer(paths)
paths.startEditing()
for name in os.environ.get("SW_COUNTED", "").split():
    iface.mainWindow().findChild(QAction, name).triggered.connect(lambda *_, name=name: write("triggered", name, "a"))
for name in os.environ.get("SW_TOOLS", "").split():
    iface.mainWindow().findChild(QAction, name).trigger()
write("ready", "")
