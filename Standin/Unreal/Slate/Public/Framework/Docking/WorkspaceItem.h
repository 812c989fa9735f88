#pragma once

#include "CoreMinimal.h"
#include "Textures/SlateIcon.h"

// A group or an entry of the editor's Window menu.
class FWorkspaceItem : public TSharedFromThis<FWorkspaceItem>
{
public:
	static TSharedRef<FWorkspaceItem> NewGroup(const FText& DisplayName, const FSlateIcon& Icon = FSlateIcon(), const bool bSortChildren = false)
	{
		return MakeShareable(new FWorkspaceItem(DisplayName, Icon, bSortChildren));
	}
	static TSharedRef<FWorkspaceItem> NewGroup(const FText& DisplayName, const FText& TooltipText, const FSlateIcon& Icon = FSlateIcon(),
											   const bool bSortChildren = false)
	{
		TSharedRef<FWorkspaceItem> Group = NewGroup(DisplayName, Icon, bSortChildren);
		Group->TooltipText = TooltipText;
		return Group;
	}

	virtual ~FWorkspaceItem() = default;

	TSharedRef<FWorkspaceItem> AddGroup(const FText& InDisplayName, const FSlateIcon& InIcon = FSlateIcon(), const bool InSortChildren = false)
	{
		TSharedRef<FWorkspaceItem> Group = NewGroup(InDisplayName, InIcon, InSortChildren);
		AddItem(Group);
		return Group;
	}
	void AddItem(const TSharedRef<FWorkspaceItem>& ItemToAdd)
	{
		ItemToAdd->ParentItem = AsShared();
		ChildItems.Add(ItemToAdd);
	}
	void RemoveItem(const TSharedRef<FWorkspaceItem>& ItemToRemove)
	{
		ChildItems.RemoveAll([&](const TSharedRef<FWorkspaceItem>& Item) { return Item == ItemToRemove; });
	}
	void ClearItems() { ChildItems.Empty(); }

	const FText& GetDisplayName() const { return DisplayName; }
	const FText& GetTooltipText() const { return TooltipText; }
	const FSlateIcon& GetIcon() const { return Icon; }
	const TArray<TSharedRef<FWorkspaceItem>>& GetChildItems() const { return ChildItems; }
	TSharedPtr<FWorkspaceItem> GetParent() const { return ParentItem.Pin(); }

protected:
	FWorkspaceItem(const FText& InDisplayName, const FSlateIcon& InIcon, const bool bInSortChildren)
		: Icon(InIcon), DisplayName(InDisplayName), bSortChildren(bInSortChildren)
	{
	}

	FSlateIcon Icon;
	FText DisplayName;
	FText TooltipText;
	bool bSortChildren;
	TArray<TSharedRef<FWorkspaceItem>> ChildItems;
	TWeakPtr<FWorkspaceItem> ParentItem;
};
