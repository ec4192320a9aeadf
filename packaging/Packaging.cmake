# Install and package rules
