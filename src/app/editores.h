#pragma once
// How the main window opens the windows of the editors and of the audio
// group: each opens modally through ExecutaDialogo and hands its result back.
#include <QString>
#include <memory>

#include "contexto.h"

class QWidget;
class TListaMenuUra;
class TMenuUra;
class TSessaoServidor;

// The menu editor with an empty menu; the new menu on OK, null otherwise.
std::unique_ptr<TMenuUra> CriaMenuNoEditor(QWidget* Pai, const TContextoEditor& Ctx, TListaMenuUra* Lista);
// The menu editor on Menu; Menu takes the editor's copy on OK (true).
bool EditaMenuNoEditor(QWidget* Pai, const TContextoEditor& Ctx, TListaMenuUra* Lista, TMenuUra* Menu);
// The catalogue list editor; true when the catalogue was changed (OK).
bool EditaCatalogo(QWidget* Pai, const TContextoEditor& Ctx);
// The audio upload (server) or creation (local mode) window; true when a
// file was sent or saved (the catalogue then goes to its file or the server).
bool AbreEnvioAudio(QWidget* Pai, const TContextoEditor& Ctx, TSessaoServidor* Sessao, const QString& PastaMensagens);
// The server asks for the next audio block / the upload failed: passed to
// the audio window while it is open.
void AudioProximoBloco();
void AudioVoltaOcioso();
