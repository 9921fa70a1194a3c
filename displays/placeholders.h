// Steps of the EFIS and traffic displays that the lifecycle calls and that are not built
// yet. Each records its name once and does nothing else; the change that
// builds a step moves its declaration to the system's own header and deletes
// it here.
#pragma once

namespace halcyon {

void LoadEfisPfd();
void InitNavDisplay();
void LoadRadar();
void LoadEfisDimmer();
void LoadEfisSwitching();
void CreateTcas();
void LoadEfisMcp();
void UpdateEfisPfd();
void UpdateNavDisplay();
void UpdateDecisionHeightAlert();
void UpdateTcas();
void SaveEfisPfd();
void FreeNavDisplay();
void SaveRadar();
void SaveEfisDimmer();
void SaveEfisSwitching();
void DestroyTcas();
void SaveEfisMcp();

}  // namespace halcyon
