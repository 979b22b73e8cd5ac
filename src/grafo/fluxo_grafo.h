#pragma once
// How a URA's flow is drawn: shapes, colours and labels of its nodes and
// edges, the same in the program, the report and ura-tool.
#include "fluxo.h"
#include "grafo.h"

// Node i of the graph is node i of the flow. Edges that leave the same node
// for the same node are drawn as one, labelled with every way they stand for.
// LinksParaMenus: menu nodes link to "#" + the menu's name (the rows of the
// HTML report).
TGrafo GrafoDoFluxo(const TFluxo& F, bool LinksParaMenus = false);

// Text wrapped at blanks into lines of about Largura characters; beyond
// MaxLinhas lines the rest is cut and marked with "...".
QString QuebraTexto(const QString& Texto, int Largura, int MaxLinhas);
