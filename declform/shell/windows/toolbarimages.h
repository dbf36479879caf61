#pragma once

#include <QIcon>

/// The pictures of the main window's toolbar, drawn here so the program carries no image files.
enum class ToolbarImage { Nueva, Modificar, Eliminar, Imprimir, Salir, NumOrden, Ayuda };

QIcon toolbarImage(ToolbarImage image);
