#pragma once
// "Testar URA..." (F9, menu "Ferramentas"): the call and chat simulator window
// for the open document, beside the main window.
#include <QString>

class TfrmMain;
class TfrmTestarUra;

// Creates the command in the main window (called once by its constructor).
void LigaTestarUra(TfrmMain& Janela);
// Opens the window, or brings it forward when it is open.
TfrmTestarUra* AbreTestarUra(TfrmMain& Janela);
// The open window; null when there is none.
TfrmTestarUra* JanelaTestarUra(const TfrmMain& Janela);
// The WAV file of an audio message in the catalogue's folder; empty when none.
QString ArquivoDeAudio(TfrmMain& Janela, const QString& Nome);
