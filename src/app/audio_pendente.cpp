// Placeholder until the catalogue editor and the audio windows are merged.
#include "editores.h"
#include "plataforma.h"

bool EditaCatalogo(QWidget* Pai, const TContextoEditor&) { return false; }
void AbreEnvioAudio(QWidget*, const TContextoEditor&, TSessaoServidor*, const QString&) {}
void AudioProximoBloco() {}
void AudioVoltaOcioso() {}
#include "inicio.h"
void IniciaJanelasFixas(QWidget*) {}
void TerminaJanelasFixas() {}
