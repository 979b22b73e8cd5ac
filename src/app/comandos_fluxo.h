#pragma once
// "Fluxo da URA" (F8, menu "Ferramentas"): the window with the open
// document's flow, made once and kept while the main window lives.
class TfrmFluxo;
class TfrmMain;

// Adds the command to the main window.
void CriaComandosFluxo(TfrmMain& Main);
// The flow window, made and hooked to the main window on first use.
TfrmFluxo* JanelaFluxo(TfrmMain& Main);
