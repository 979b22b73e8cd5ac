#pragma once
// The windows created once at start and kept for the whole run (the player).
class QWidget;

void IniciaJanelasFixas(QWidget* Principal);
void TerminaJanelasFixas();
