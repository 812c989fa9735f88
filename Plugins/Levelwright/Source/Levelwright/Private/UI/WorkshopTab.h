// One page header of the workshop window: a flat button that selects its page, over a panel that
// shows only while its page is the selected one.
#pragma once

#include "CoreMinimal.h"
#include "Input/Reply.h"
#include "Layout/Visibility.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SCompoundWidget.h"

struct FButtonStyle;

class SWorkshopTab : public SCompoundWidget
{
public:
	SLATE_BEGIN_ARGS(SWorkshopTab) : _Index(0), _Text() {}
	SLATE_ARGUMENT(int32, Index)
	SLATE_ARGUMENT(FText, Text)
	SLATE_END_ARGS()

	void Construct(const FArguments& InArgs);

	FReply Clicked();
	EVisibility GetActiveVisibility() const;

private:
	// One style for every header, made on first use and kept for the rest of the process.
	static const FButtonStyle& GetHeaderButtonStyle();

	int32 TabIndex = 0;
	TAttribute<EVisibility> ActiveVisibility;
};
