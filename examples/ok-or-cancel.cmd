@echo off
rem Tells OK from Cancel by the exit code.
Tovask "Continue?" "rem $input" "Press OK to go on, Cancel to stop." > nul
if errorlevel 255 echo Tovask could not show its dialog.& exit /b 2
if errorlevel 1 echo Stopped.& exit /b 1
echo Going on.
