#include "Standin/SlateApplication.h"

#include "Framework/Notifications/NotificationManager.h"

namespace Standin::Slate
{
namespace
{
double CurrentTime = 0.0;
float DeltaTime = 0.0f;
} // namespace

double GetCurrentTime() { return CurrentTime; }

float GetDeltaTime() { return DeltaTime; }

void Tick(float DeltaSeconds)
{
	CurrentTime += DeltaSeconds;
	DeltaTime = DeltaSeconds;
	FSlateNotificationManager::Get().Tick();
}
} // namespace Standin::Slate
