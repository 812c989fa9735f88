#pragma once

#include "CoreTypes.h"

struct FVector2D
{
	float X = 0;
	float Y = 0;

	FVector2D() = default;
	constexpr FVector2D(float InX, float InY) : X(InX), Y(InY) {}
	FVector2D operator+(const FVector2D& Other) const { return FVector2D(X + Other.X, Y + Other.Y); }
	FVector2D operator-(const FVector2D& Other) const { return FVector2D(X - Other.X, Y - Other.Y); }
	FVector2D operator*(float Scale) const { return FVector2D(X * Scale, Y * Scale); }
	bool operator==(const FVector2D& Other) const { return X == Other.X && Y == Other.Y; }
	bool operator!=(const FVector2D& Other) const { return !(*this == Other); }

	static const FVector2D ZeroVector;
	static const FVector2D UnitVector;
};

struct FIntPoint
{
	int32 X = 0;
	int32 Y = 0;

	FIntPoint() = default;
	constexpr FIntPoint(int32 InX, int32 InY) : X(InX), Y(InY) {}
	bool operator==(const FIntPoint& Other) const { return X == Other.X && Y == Other.Y; }
};
