#pragma once
// The whole URA configuration model.
#include "UTMenuUraTipos.h"
#include "acao.h"
#include "condicao.h"
#include "dac.h"
#include "infoauxiliar.h"
#include "listas.h"
#include "mensagem.h"
#include "menuura.h"
#include "opcao.h"
#include "secoes.h"
