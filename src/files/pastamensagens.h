#pragma once
// The message folder of local mode: the audio prompts are WAV files there,
// so the folder, not a server, says which catalogue entries have their audio.
#include <QString>

class TMUListaDescricaoMensagem;

// Marks each catalogue entry present (ArquivoExiste) exactly when the folder
// holds its file, "<Arquivo>.wav" (the extension in any case).
void MarcaArquivosDaPasta(TMUListaDescricaoMensagem& Catalogo, const QString& Pasta);
